#include "menu/game_text.h"

#include "host/native_call.h"

namespace velquist {

namespace {

constexpr uint64_t nativeGetActiveScreenResolution = 0x873C9F3104101DD3;
constexpr uint64_t nativeSetTextFont = 0x66E0276CC5F6B9DA;
constexpr uint64_t nativeSetTextScale = 0x07C837F9A01C34C9;
constexpr uint64_t nativeSetTextColour = 0xBE6B23FFA53FB442;
constexpr uint64_t nativeSetTextCentre = 0xC02F4DBFB51D988B;
constexpr uint64_t nativeSetTextDropShadow = 0x465C84BC39F1C351;
constexpr uint64_t nativeSetTextEdge = 0x441603240D202FA6;
constexpr uint64_t nativeBeginDisplayText = 0x25FBB336DF1804CB;
constexpr uint64_t nativeAddTextComponent = 0x6C188BE134E074AA;
constexpr uint64_t nativeEndDisplayText = 0xCD015E5BB0D96A57;
constexpr uint64_t nativeDrawRect = 0x3A618A217E5154F0;
constexpr uint64_t nativeIsControlPressed = 0xF3A21BCD95725A4A;
constexpr uint64_t nativePlaySoundFrontend = 0x67C540AA08E4A6F5;
constexpr uint64_t nativeBeginNotification = 0x202709F4C58A0424;
constexpr uint64_t nativeEndNotification = 0x2ED7843F8F801023;
constexpr uint64_t nativeBeginSubtitle = 0xB87A37EEB7FAA67D;
constexpr uint64_t nativeEndSubtitle = 0x9D77056A530643F6;

constexpr int32_t controlPad = 2;
constexpr int32_t subtitleTime = 50;  // ms

}  // namespace

ScreenSize getScreenResolution() {
    ScreenSize size;
    native::call(nativeGetActiveScreenResolution, &size.width, &size.height);
    // A game that gives no size (minimised, say) would have the menu divide by zero and
    // hand the game texts at infinite places; it is laid out for the common screen then.
    if (size.width <= 0 || size.height <= 0) size = ScreenSize{1920, 1080};
    return size;
}

void setTextColour(int32_t r, int32_t g, int32_t b, int32_t a) {
    native::call(nativeSetTextColour, r, g, b, a);
}

void clearTextDropShadow() { native::call(nativeSetTextDropShadow, 0, 0, 0, 0, 0); }

void clearTextEdge() { native::call(nativeSetTextEdge, 0, 0, 0, 0, 0); }

void drawScreenText(const char* text, int32_t font, float scale, TextColour colour, float x,
                    float y) {
    native::call(nativeSetTextFont, font);
    native::call(nativeSetTextScale, 0.0f, scale);
    setTextColour(colour.r, colour.g, colour.b, colour.a);
    native::call(nativeSetTextCentre, false);
    clearTextDropShadow();
    clearTextEdge();
    native::call(nativeBeginDisplayText, "STRING");
    native::call(nativeAddTextComponent, text);
    native::call(nativeEndDisplayText, x, y);
}

void drawRect(float centreX, float centreY, float width, float height, int32_t r, int32_t g,
              int32_t b, int32_t a) {
    native::call(nativeDrawRect, centreX, centreY, width, height, r, g, b, a);
}

bool isControlPressed(int32_t control) {
    return native::call<bool>(nativeIsControlPressed, controlPad, control);
}

void playNavSound() {
    native::call(nativePlaySoundFrontend, -1, "NAV_UP_DOWN", "HUD_FRONTEND_DEFAULT_SOUNDSET", 0);
}

int32_t showNotification(const char* text) {
    native::call(nativeBeginNotification, "STRING");
    native::call(nativeAddTextComponent, text);
    return native::call<int32_t>(nativeEndNotification, 0, 0);
}

void showSubtitle(const char* text) {
    native::call(nativeBeginSubtitle, "STRING");
    native::call(nativeAddTextComponent, text);
    native::call(nativeEndSubtitle, subtitleTime, 1);
}

}  // namespace velquist
