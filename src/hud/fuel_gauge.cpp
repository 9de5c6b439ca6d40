// The fuel gauge of fuel mods, in the side place the second gauge leaves free: three
// images that redden as their values run low, the scale, and a needle for the first value.
#include "hud/fuel_gauge.h"

#include "core/schedule.h"
#include "host/native_call.h"
#include "host/natives.h"
#include "hud/hud_draw.h"
#include "hud/hud_state.h"
#include "hud/needle_math.h"
#include "hud/texture_set.h"
#include "settings/profile_settings.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

namespace {

// Below half a value the image loses green and blue: white at one half, red at zero.
Tint fuelTint(float level) {
    const float g = level < 0.5f ? 2.0f * level : 1.0f;
    return {1.0f, g, g};
}

}  // namespace

void stepFuelNeedle() {
    const bool running = native::call<bool>(natives::isEngineRunning, sample.vehicle);
    const float target = fuelNeedleTarget(sample.fuelLevels[0], running);
    hud.fuelNeedle = stepNeedle(hud.fuelNeedle, target, needleRateLimit(schedule.refreshElapsed));
}

void drawFuelGauge() {
    const ScreenPoint at = sidePlace();
    const float front = frontOpacity();
    for (int j = 0; j < fuelLevelCount; ++j)
        drawLayer(textures.fuelImages[j], levelBack, at, fuelTint(sample.fuelLevels[j]), front);
    drawLayer(textures.fuelScale, levelBack, at, white, front);
    // Instance 1: the same needle image may stand on the vertical-speed gauge.
    drawNeedle(textures.needleSmallA, 1, at, hud.fuelNeedle, front);
    // The fuel gauge takes the place the second gauge does not, so its shadow is the other.
    drawLayer(profile.isExtraGaugeLeft == 0 ? textures.shadowLeft : textures.shadowAbove, levelBack,
              at, white, shadowOpacity());
}

}  // namespace velquist
