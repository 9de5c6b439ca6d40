// The cluster's indicators beside the two analogue gauges: the row of rpm LEDs, the gear
// digit with the shift hints, the engine-damage flash, the vertical-speed gauge of
// aircraft, the brand logo and the fuel gauge of fuel mods.
#pragma once

#include <cstdint>

namespace velquist {

// How many LEDs an rpm fraction lights (LED i is lit while the count exceeds i): none at
// or below 0.1, two just above it, all nine (9.1) at full rpm.
float ledLitCount(float rpmFraction);

// True in the dark half of the shift-hint blink: a hint is pending and the tick count
// stands in the first 100 ms of a 200 ms period.
bool shiftHintDarkPhase();

// Texture of the digit for a sampled gear (-1 reverse, 0 neutral, 1..8).
int32_t gearDigitTexture(int32_t gear);

void drawRpmLeds();
void drawGearIndicator();

// The damage flash's two levels from the engine health, then one step of its swing.
void updateDamageTargets();
void stepDamageFlash();
void drawDamageFlash();

// Moves the vertical-speed needle towards the sampled vertical speed's mark.
void stepVerticalNeedle();
void drawVerticalGauge();

void drawBrandLogo();

// Moves the fuel needle towards the first fuel value's mark, or to rest with the engine off.
void stepFuelNeedle();
void drawFuelGauge();

}  // namespace velquist
