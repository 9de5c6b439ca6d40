// The fuel gauge of fuel mods, in the side place the second gauge leaves free.
#pragma once

namespace velquist {

// Moves the fuel needle towards the first fuel value's mark, or to rest with the engine off.
void stepFuelNeedle();

void drawFuelGauge();

}  // namespace velquist
