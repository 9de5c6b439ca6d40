// The natives the simulated game world answers: player, ped, vehicle, model, decorator,
// control, camera, HUD-component and clock queries.
#pragma once

namespace sim {

void registerWorldNatives();

}  // namespace sim
