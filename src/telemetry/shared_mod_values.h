// Values other mods hand to the HUD as decorators on the player's vehicle: three fuel
// values of fuel mods, and the shift and neutral hints of a manual-transmission mod.
// Only read, never registered or written.
#pragma once

namespace velquist {

// True when the last vehicle carries "CokeInPossession", "MethInPossession" or
// "WeedInPossession" (tested in that order, stopping at the first present).
bool hasFuelDecorator();

// Fills sample.fuelLevels from the vehicle: a missing value, or one outside 0..1 (NaN
// included), reads as 1.
void readFuelLevels();

// Fills the shift hints from "hunt_score" and neutralHint from "hunt_weapon"; a missing
// decorator leaves its hints as they were.
void readTransmissionHints();

}  // namespace velquist
