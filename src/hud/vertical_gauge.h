// The vertical-speed gauge of planes and helicopters, at the second gauge's place.
#pragma once

namespace velquist {

// Moves the vertical-speed needle towards the sampled vertical speed's mark.
void stepVerticalNeedle();

void drawVerticalGauge();

}  // namespace velquist
