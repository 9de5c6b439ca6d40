// How every image of the cluster reaches the screen: one drawTexture call with the
// cluster's display time and the screen's aspect factor, the drawing levels, the opacity
// products, and the clearing of an instance that must vanish at once.
#pragma once

#include <cstdint>

namespace velquist {

// How long an image stays on screen after its draw (ms): longer than the longest refresh
// interval, so the cluster stands between refreshes and vanishes soon after the last.
constexpr int32_t hudImageTime = 150;

// Drawing levels, lowest first; the host puts higher levels in front.
enum HudLevel : int32_t {
    levelBack = -9999,    // shadows, rpm faces, fuel images and scale, cleared slots
    levelBrand = -9998,   // brand logo
    levelLabel = -9997,   // unit label, rpm label layer
    levelDamage = -9996,  // damage overlay
    levelDial = -9995,    // velocity face, vertical-speed face
    levelLed = -9994,     // rpm LEDs
    levelGear = -9993,    // gear digit and shift hints
    levelNeedle = -9992,  // every needle
};

struct ScreenPoint {
    float x = 0.0f;  // screen-width fraction
    float y = 0.0f;  // screen-height fraction
};

struct Tint {
    float r = 1.0f, g = 1.0f, b = 1.0f;  // 0..1, multiplied into the image
};

constexpr ScreenPoint imageMiddle{0.5f, 0.5f};  // pivot of every image but the rpm gear
constexpr Tint white{};

// One image: instance index, level, square size (screen-width fraction), pivot inside the
// image, position of the pivot, rotation (turns), tint and alpha (passed as computed).
void drawHudImage(int32_t id, int32_t index, int32_t level, float size, ScreenPoint centre,
                  ScreenPoint position, float rotation, Tint colour, float alpha);

// A full-size fixed layer (index 0, centred, upright) at a gauge's position.
void drawLayer(int32_t id, int32_t level, ScreenPoint position, Tint colour, float alpha);

// A needle in the needle colour, turned about its centre.
void drawNeedle(int32_t id, int32_t index, ScreenPoint position, float rotation, float alpha);

// Replaces the instance's last drawing with an invisible one, so it disappears now
// rather than at the end of its display time.
void clearTextureSlot(int32_t id, int32_t index);

// Opacity of the cluster's images: the front layers, the shadows, the brand logo.
float frontOpacity();
float shadowOpacity();
float brandOpacity();

// Where the gauges stand this refresh (from the layout).
ScreenPoint mainPlace();
ScreenPoint extraPlace();
ScreenPoint sidePlace();

}  // namespace velquist
