// The engine-damage flash: a red glow behind the velocity dial.
#pragma once

namespace velquist {

// The flash's two levels from the sampled engine health.
void updateDamageTargets();

// One step of the flash's swing between its levels, by the refresh's elapsed time.
void stepDamageFlash();

void drawDamageFlash();

}  // namespace velquist
