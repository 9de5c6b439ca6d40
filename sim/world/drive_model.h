// A simple vehicle model for demos, not a physics engine: throttle and brake move the
// speed towards the kind's top speed, an automatic gearbox picks the gear, and the rpm
// follows the speed within the gear. Planes climb once they are fast.
#pragma once

#include "world/world.h"

namespace sim {

// Moves a driven vehicle on by the given time.
void stepDrive(Vehicle& v, float seconds);

}  // namespace sim
