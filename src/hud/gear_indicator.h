// The gear digit (R, N, 1 to 8) with the manual-transmission mod's shift hints.
#pragma once

#include <cstdint>

namespace velquist {

// True in the dark half of the shift-hint blink: a hint is pending and the tick count
// stands in the first 100 ms of a 200 ms period.
bool shiftHintDarkPhase();

// Texture of the digit for a sampled gear (-1 reverse, 0 neutral, 1..8).
int32_t gearDigitTexture(int32_t gear);

// Takes the digit of a gear that is no longer sampled off the screen at once, rather than
// leaving it beside the new one for its display time.
void clearGearDigit(int32_t previousGear);

// Beside the LED row in the middle of the velocity dial, or low on the analogue rpm dial.
void drawGearIndicator();

}  // namespace velquist
