// The sampling steps of a HUD refresh: each reads one part of the player's vehicle state
// from the game into the vehicle sample. The refresh (hud/refresh_hud.cpp) runs them in its
// one ordered list, between the needle and indicator steps that use what they read.
#pragma once

#include <cstdint>

namespace velquist {

// The local player, the player's ped and the vehicle the ped is using. Getting out changes
// nothing but the handle: the fading HUD keeps the last values. Returns true when the ped
// has got into a vehicle (a nonzero handle other than the one before, so getting back
// into the same vehicle counts), which is then also the last vehicle.
bool samplePlayerVehicle();

// The last vehicle takes the vehicle in use when none has been seen yet.
void sampleLastVehicleFallback();

// Engine health; a value the game reports as no number reads as intact (1000).
void sampleEngineHealth();

// Whether someone else sits in the driver seat.
void sampleSeat();

// Whether control 76 (handbrake) is pressed.
void sampleHandbrake();

// The throttle from the vehicle object.
void sampleThrottle();

// Speed, and the vertical speed of aircraft with the vertical gauge on; the previous speed
// keeps the last one. With the engine off the vehicle counts as standing. Returns whether
// the engine runs.
bool sampleSpeed();

// The normalised engine rpm; 0 with the engine off.
void sampleRpm(bool engineRunning);

// The gear: a stored 0 (reverse) or one above 8 shows reverse with the engine running and
// neutral without; neutral while the transmission mod says so, or with the handbrake and
// the neutral feature.
void sampleGear(bool engineRunning);

}  // namespace velquist
