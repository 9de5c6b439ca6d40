// The two analogue gauges: the velocity gauge of every vehicle kind, with the dial face
// chosen by kind, unit, class and how fast the vehicle has gone, and the analogue rpm
// gauge of cars; their needle steps and the needles' colour.
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

// Moves the rpm needle towards the sampled rpm's mark on the face for the vehicle's
// maximum rpm, at the same rate.
void stepRpmNeedle();

// Reads the vehicle's custom primary colour and decides whether it makes a needle colour
// that stands out (neither too dark nor too pale); every 10th refresh when enabled.
void testPrimaryColour();

// Shadow, dial face, unit label and needle at the main place.
void drawVelocityGauge();

// Rpm face, label layer, needle and shadow at the second gauge's place.
void drawRpmGauge();

}  // namespace velquist
