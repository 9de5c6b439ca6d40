// Vehicle sampling at the head of every HUD refresh: the player, the vehicle in use and
// its changes, engine health and seat, then the telemetry pass (handbrake, throttle,
// speed, rpm, gear, values of other mods).
#pragma once

#include <cstdint>

namespace velquist {

// The sampling steps of one refresh; run by refreshHud before anything is drawn.
void sampleRefresh();

// Sets sample.vehicleKind from the game's vehicle class (13 bicycle, 14 boat, 15 and 16
// plane, 21 train, any other car) and sample.vehicleClass when the class lies in 0..21.
void classifyVehicle(int32_t gameClass);

}  // namespace velquist
