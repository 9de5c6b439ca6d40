// The acceleration test's place in the refresh and in every frame: the step that times
// runs and stores results, and the timer drawn at the bottom of the screen.
#pragma once

namespace velquist {

// Once per refresh while the player is in a vehicle, after the telemetry pass.
void accelerationStep();

// Every frame while the mod is enabled: the live time, or the last result for 5 s.
void drawAccelerationOverlay();

}  // namespace velquist
