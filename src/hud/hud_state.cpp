#include "hud/hud_state.h"

#include "hud/needle_math.h"

namespace velquist {

HudState hud;

void startClusterOnNewVehicle() {
    hud.rpmNeedle = hud.fuelNeedle = smallNeedleStart;
    hud.dialStep = 0;
    hud.fadeAlpha = 0.0f;
    hud.damageLevel = 0.0f;
    hud.primaryColourAccepted = false;
}

}  // namespace velquist
