// The profile's integers as the drawing uses them: colours 0..1, percentages and per-mille
// placements as fractions, and the HUD's scale factor.
#include "hud/display_settings.h"

#include "settings/profile_settings.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

DisplaySettings display;

namespace {

// Divisions rather than products with rounded reciprocals, so that 255, 100 percent and
// hudSize 100 become exactly 1.
float colourFraction(int32_t v) {
    return static_cast<float>(v) / 255.0f;
}
float percentFraction(int32_t v) {
    return static_cast<float>(v) / 100.0f;
}
float perMilleFraction(int32_t v) {
    return static_cast<float>(v) / 1000.0f;
}

// A kind outside the table reads as a car.
VehicleKind sampledKind() {
    return sample.vehicleKind >= 0 && sample.vehicleKind < vehicleKindCount ? sample.vehicleKind
                                                                            : kindCar;
}

}  // namespace

void deriveDisplaySettings() {
    display.settingsNeedleColour[0] = colourFraction(profile.needleRed);
    display.settingsNeedleColour[1] = colourFraction(profile.needleGreen);
    display.settingsNeedleColour[2] = colourFraction(profile.needleBlue);
    display.frontAlpha = percentFraction(profile.alphaFrontMax);
    display.backAlpha = percentFraction(profile.alphaBackMax);
    display.brandAlpha = percentFraction(profile.alphaBrand);
    display.dmgIntensityFactor = percentFraction(profile.dmgIntensity);
    display.dmgFrequencyFactor = percentFraction(profile.dmgFrequency);
    for (int k = 0; k < vehicleKindCount; ++k)
        display.speedFactor[k] = percentFraction(profile.factorOf(static_cast<VehicleKind>(k)));
    // The square of hudSize / 100: the size grows with the area, 90 percent gives 0.81.
    const float size = static_cast<float>(profile.hudSize);
    display.hudScale = size * size / 10000.0f;
    display.anchorX = perMilleFraction(profile.mainOffsetX);
    display.anchorY = perMilleFraction(profile.mainOffsetY);
}

float displaySpeed() {
    return displaySpeedOf(sample.speed);
}

SpeedUnit displayUnit() {
    const int32_t unit = profile.unitOf(sampledKind());
    return unit >= unitMph && unit <= unitMps ? static_cast<SpeedUnit>(unit)
                                              : unitKmh;  // the units' default
}

float displaySpeedOf(float metresPerSecond) {
    return unitFactor[displayUnit()] * display.speedFactor[sampledKind()] * metresPerSecond;
}

}  // namespace velquist
