// The analogue rpm gauge of cars, at the second gauge's place.
#pragma once

namespace velquist {

// Moves the rpm needle towards the sampled rpm's mark on the face for the vehicle's
// maximum rpm, at most 0.7 turn a second.
void stepRpmNeedle();

// Rpm face, label layer, needle and shadow.
void drawRpmGauge();

}  // namespace velquist
