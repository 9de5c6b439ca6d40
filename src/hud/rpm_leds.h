// The row of nine rpm LEDs that cars show instead of the analogue rpm gauge.
#pragma once

namespace velquist {

// How many LEDs an rpm fraction lights (LED i is lit while the count exceeds i): none at
// or below 0.1, two just above it, all nine (9.1) at full rpm.
float ledLitCount(float rpmFraction);

// The row at the layout's LED places; it blinks with a pending shift hint.
void drawRpmLeds();

}  // namespace velquist
