#include "menu/game_text.h"

#include "host/native_call.h"
#include "host/natives.h"

namespace velquist {

namespace {

constexpr int32_t subtitleTime = 50;  // ms

}  // namespace

ScreenSize getScreenResolution() {
    ScreenSize size;
    native::call(natives::activeScreenResolution, &size.width, &size.height);
    // A game that gives no size (minimised, say) would have the menu divide by zero and
    // hand the game texts at infinite places; it is laid out for the common screen then.
    if (size.width <= 0 || size.height <= 0) size = ScreenSize{1920, 1080};
    return size;
}

void setTextColour(int32_t r, int32_t g, int32_t b, int32_t a) {
    native::call(natives::setTextColour, r, g, b, a);
}

void clearTextDropShadow() {
    native::call(natives::setTextDropShadow, 0, 0, 0, 0, 0);
}

void clearTextEdge() {
    native::call(natives::setTextEdge, 0, 0, 0, 0, 0);
}

void drawScreenText(const char* text, int32_t font, float scale, TextColour colour, float x,
                    float y) {
    native::call(natives::setTextFont, font);
    native::call(natives::setTextScale, 0.0f, scale);
    setTextColour(colour.r, colour.g, colour.b, colour.a);
    native::call(natives::setTextCentre, false);
    clearTextDropShadow();
    clearTextEdge();
    native::call(natives::beginDisplayText, "STRING");
    native::call(natives::addTextComponent, text);
    native::call(natives::endDisplayText, x, y);
}

void drawRect(float centreX, float centreY, float width, float height, int32_t r, int32_t g,
              int32_t b, int32_t a) {
    native::call(natives::drawRect, centreX, centreY, width, height, r, g, b, a);
}

void playNavSound() {
    native::call(natives::playSoundFrontend, -1, "NAV_UP_DOWN", "HUD_FRONTEND_DEFAULT_SOUNDSET", 0);
}

int32_t showNotification(const char* text) {
    native::call(natives::beginNotification, "STRING");
    native::call(natives::addTextComponent, text);
    return native::call<int32_t>(natives::endNotification, 0, 0);
}

void showSubtitle(const char* text) {
    native::call(natives::beginSubtitle, "STRING");
    native::call(natives::addTextComponent, text);
    native::call(natives::endSubtitle, subtitleTime, 1);
}

}  // namespace velquist
