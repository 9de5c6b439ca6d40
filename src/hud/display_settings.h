// The values the drawing uses, derived from the active profile's integers
// (deriveDisplaySettings), and the positions of the cluster's parts (computeLayout).
#pragma once

#include "core/vehicle_kind.h"

namespace velquist {

struct DisplaySettings {
    float hudScale = 0.0f;            // (hudSize / 100)^2; hudSize 90 gives 0.81
    float anchorX = 0.0f;             // mainOffsetX / 1000, screen-width fraction
    float anchorY = 0.0f;             // mainOffsetY / 1000, screen-height fraction
    float frontAlpha = 0.0f;          // alphaFrontMax / 100
    float backAlpha = 0.0f;           // alphaBackMax / 100
    float brandAlpha = 0.0f;          // alphaBrand / 100
    float dmgIntensityFactor = 0.0f;  // dmgIntensity / 100
    float dmgFrequencyFactor = 0.0f;  // dmgFrequency / 100
    float speedFactor[vehicleKindCount] = {};        // bicFactor .. traFactor / 100
    float settingsNeedleColour[3] = {};              // needleRed, Green, Blue / 255
};

struct Layout {
    float aspectRatio = 1.0f;  // screen width / height, from the game every 100th refresh
    float spriteSize = 0.0f;   // 0.2 x hudScale: a full-size image, screen-width fraction
    float mainX = 0.0f, mainY = 0.0f;    // centre of the velocity gauge
    float extraX = 0.0f, extraY = 0.0f;  // centre of the second gauge (rpm or vertical speed)
    float sideX = 0.0f, sideY = 0.0f;    // centre of the fuel gauge
    float ledStep = 0.0f;      // spacing of the rpm LEDs
    float ledStartX = 0.0f;    // x of the first LED
    float ledY = 0.0f;         // y of the LED row
};

extern DisplaySettings display;
extern Layout layout;

// Turns the profile's optics, speed-factor and placement integers into fractions.
void deriveDisplaySettings();
// Places the gauges from hudScale, the anchor, the offsets and aspectRatio.
void computeLayout();

}  // namespace velquist
