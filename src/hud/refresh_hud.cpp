#include "hud/refresh_hud.h"

namespace velquist {

// The cluster is not drawn yet: sampling and drawing land with the telemetry and HUD work.
void refreshHud() {}

}  // namespace velquist
