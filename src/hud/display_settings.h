// The values the drawing uses, derived from the active profile's integers
// (deriveDisplaySettings), and the speed as the velocity gauge shows it.
#pragma once

#include "core/vehicle_kind.h"

namespace velquist {

struct DisplaySettings {
    float hudScale = 0.0f;                     // (hudSize / 100)^2; hudSize 90 gives 0.81
    float anchorX = 0.0f;                      // mainOffsetX / 1000, screen-width fraction
    float anchorY = 0.0f;                      // mainOffsetY / 1000, screen-height fraction
    float frontAlpha = 0.0f;                   // alphaFrontMax / 100
    float backAlpha = 0.0f;                    // alphaBackMax / 100
    float brandAlpha = 0.0f;                   // alphaBrand / 100
    float dmgIntensityFactor = 0.0f;           // dmgIntensity / 100
    float dmgFrequencyFactor = 0.0f;           // dmgFrequency / 100
    float speedFactor[vehicleKindCount] = {};  // bicFactor .. traFactor / 100
    float settingsNeedleColour[3] = {};        // needleRed, Green, Blue / 255
};

extern DisplaySettings display;

// Turns the profile's optics, speed-factor and placement integers into fractions.
void deriveDisplaySettings();

// Metres per second to each SpeedUnit: MPH, KMH, KNOTS, and 1 for metres per second.
constexpr float unitFactor[4] = {2.2369363f, 3.6f, 1.9438444f, 1.0f};

// The sampled speed in the current kind's unit, times the kind's speed factor.
float displaySpeed();
// Any speed in m/s converted the same way (the acceleration test also converts the
// previous speed).
float displaySpeedOf(float metresPerSecond);
// The unit the current kind shows its speed in.
SpeedUnit displayUnit();

}  // namespace velquist
