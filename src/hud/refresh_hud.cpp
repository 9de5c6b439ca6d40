#include "hud/refresh_hud.h"

#include "telemetry/sample_refresh.h"

namespace velquist {

// Samples the player's vehicle; the cluster's fade and drawing follow here.
void refreshHud() {
    sampleRefresh();
}

}  // namespace velquist
