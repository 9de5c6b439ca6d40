// The engine-damage flash: a red glow behind the velocity dial that swings between two
// levels set by the engine health, faster and stronger as the engine fails, and stands
// steady once it is dead.
#include "hud/damage_flash.h"

#include <algorithm>

#include "core/schedule.h"
#include "hud/display_settings.h"
#include "hud/hud_draw.h"
#include "hud/hud_state.h"
#include "hud/texture_set.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

namespace {

constexpr float healthyAbove = 800.0f;  // no flash above this engine health
constexpr float deadAtOrBelow = 0.0f;   // steady flash from here down
constexpr float steadyLevel = 0.7f;
constexpr float minimumSpan = 0.01f;  // levels closer than this do not swing
constexpr float fallSlowdown = 0.8f;  // a fall takes 1.25 times as long as a rise
// A refresh after a long gap (the very first one, or the first after the mod was switched
// back on) moves the flash as if only this much time had passed. A full gap would throw
// the level far past its bounds, where it would stay lit for as long again.
constexpr int32_t longestStepMs = 250;

}  // namespace

void updateDamageTargets() {
    const float h = sample.engineHealth;
    const float intensity = display.dmgIntensityFactor;
    if (h > healthyAbove) {
        hud.damageLevel = 0.0f;
        hud.damageHigh = 0.0f;
        hud.damageLow = 0.0f;
    } else if (h > deadAtOrBelow) {
        hud.damageHigh = (800.0f - h) * 0.00125f * 0.7f * intensity;
        hud.damageLow = (300.0f - h) * 0.0033333334f * 0.4f * intensity;
    } else {
        hud.damageHigh = steadyLevel * intensity;
        hud.damageLow = steadyLevel * intensity;
    }
}

void stepDamageFlash() {
    const float span = hud.damageHigh - hud.damageLow;
    if (span < minimumSpan) {
        hud.damageLevel = hud.damageHigh;
        return;
    }
    const float seconds =
        static_cast<float>(std::clamp(schedule.refreshElapsed, 0, longestStepMs)) * 0.001f;
    const float frequency = display.dmgFrequencyFactor;
    if (hud.damageRising) {
        hud.damageLevel += seconds * span * frequency;
        if (hud.damageLevel > hud.damageHigh) hud.damageRising = false;
    } else {
        hud.damageLevel -= seconds * fallSlowdown * span * frequency;
        if (hud.damageLevel < hud.damageLow) hud.damageRising = true;
    }
}

void drawDamageFlash() {
    // Below zero the overlay is passed on as computed: the host shows nothing then.
    const float alpha = hud.dayBrightness * display.frontAlpha * hud.damageLevel * hud.fadeAlpha;
    drawLayer(textures.damageImage, levelDamage, mainPlace(), Tint{1.0f, 0.0f, 0.0f}, alpha);
}

}  // namespace velquist
