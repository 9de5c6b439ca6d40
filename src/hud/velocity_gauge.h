// The velocity gauge of every vehicle kind, with the dial face chosen by kind, unit, class
// and how fast the vehicle has gone.
#pragma once

#include <cstdint>

namespace velquist {

// The velocity dial variant for the current vehicle: 0, 1 or 2, never beyond the highest
// variant its kind has.
int32_t dialVariant();

// Steps the dial up to a wider scale once the needle has reached the end of the printed
// one (cars with throttle, trains without); every 10th refresh with a vehicle.
void checkDialStepUp();

// Moves the velocity needle towards the displayed speed's mark, at most 0.7 turn a second.
void stepVelocityNeedle();

// Shadow, dial face, unit label and needle at the main place.
void drawVelocityGauge();

}  // namespace velquist
