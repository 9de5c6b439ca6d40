// Every image of the cluster goes through drawHudImage.
#include "hud/hud_draw.h"

#include "host/script_hook.h"
#include "hud/display_settings.h"
#include "hud/hud_layout.h"
#include "hud/hud_state.h"

namespace velquist {

void drawHudImage(int32_t id, int32_t index, int32_t level, float size, ScreenPoint centre,
                  ScreenPoint position, float rotation, Tint colour, float alpha) {
    shv::drawTexture(id, index, level, hudImageTime, size, size, centre.x, centre.y, position.x,
                     position.y, rotation, layout.aspectRatio, colour.r, colour.g, colour.b, alpha);
}

void drawLayer(int32_t id, int32_t level, ScreenPoint position, Tint colour, float alpha) {
    drawHudImage(id, 0, level, layout.spriteSize, imageMiddle, position, 0.0f, colour, alpha);
}

void drawNeedle(int32_t id, int32_t index, ScreenPoint position, float rotation, float alpha) {
    const Tint colour{hud.needleColour[0], hud.needleColour[1], hud.needleColour[2]};
    drawHudImage(id, index, levelNeedle, layout.spriteSize, imageMiddle, position, rotation, colour,
                 alpha);
}

void clearTextureSlot(int32_t id, int32_t index) {
    drawHudImage(id, index, levelBack, layout.spriteSize, imageMiddle, ScreenPoint{}, 0.0f, white,
                 0.0f);
}

float frontOpacity() {
    return hud.dayBrightness * display.frontAlpha * hud.fadeAlpha;
}

float shadowOpacity() {
    return hud.dayBrightness * display.backAlpha * hud.fadeAlpha;
}

float brandOpacity() {
    return display.frontAlpha * display.brandAlpha * hud.dayBrightness * hud.fadeAlpha;
}

ScreenPoint mainPlace() {
    return {layout.mainX, layout.mainY};
}
ScreenPoint extraPlace() {
    return {layout.extraX, layout.extraY};
}
ScreenPoint sidePlace() {
    return {layout.sideX, layout.sideY};
}

}  // namespace velquist
