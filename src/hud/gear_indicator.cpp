// The gear digit (R, N, 1 to 8) with the manual-transmission mod's shift hints: in the
// middle of the velocity dial beside the LED row, or low on the analogue rpm dial.
#include "hud/gear_indicator.h"

#include <algorithm>

#include "host/platform.h"
#include "hud/hud_draw.h"
#include "hud/hud_layout.h"
#include "hud/layout_geometry.h"
#include "hud/texture_catalogue.h"
#include "hud/texture_set.h"
#include "settings/profile_settings.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

namespace {

constexpr uint32_t blinkPeriod = 200;  // ms
constexpr uint32_t blinkDark = 100;    // ms dark at the start of each period

constexpr float onDialSize = geometry::gearSizeOnVelocity;  // of spriteSize
constexpr float onRpmSize = geometry::gearSizeOnRpm;        // of spriteSize
// On the rpm dial the image's middle stands up and left of the hub.
constexpr ScreenPoint onRpmPivot{geometry::gearPivotOnRpmX, geometry::gearPivotOnRpmY};

}  // namespace

bool shiftHintDarkPhase() {
    return (sample.shiftUpHint || sample.shiftDownHint) &&
           platform::tickCount() % blinkPeriod < blinkDark;
}

int32_t gearDigitTexture(int32_t gear) {
    return textures.gearDigits[std::clamp(gear + 1, 0, catalogue::gearDigitCount - 1)];
}

void clearGearDigit(int32_t previousGear) {
    clearTextureSlot(gearDigitTexture(previousGear), 0);
}

void drawGearIndicator() {
    const bool besideLeds = profile.rpm == 2;
    const float size = (besideLeds ? onDialSize : onRpmSize) * layout.spriteSize;
    const ScreenPoint pivot = besideLeds ? imageMiddle : onRpmPivot;
    const ScreenPoint at = besideLeds ? mainPlace() : extraPlace();
    const float alpha = frontOpacity();
    const int32_t digit = gearDigitTexture(sample.gear);
    // With the LEDs the row blinks; on the rpm dial the digit does.
    if (profile.rpm == 1 && shiftHintDarkPhase())
        clearTextureSlot(digit, 0);
    else
        drawHudImage(digit, 0, levelGear, size, pivot, at, 0.0f, white, alpha);
    if (sample.shiftDownHint)
        drawHudImage(textures.shiftDownImage, 0, levelGear, size, pivot, at, 0.0f, white, alpha);
    if (sample.shiftUpHint)
        drawHudImage(textures.shiftUpImage, 0, levelGear, size, pivot, at, 0.0f, white, alpha);
}

}  // namespace velquist
