// The HUD refresh: vehicle sampling, then the drawing of the gauge cluster.
#pragma once

namespace velquist {

void refreshHud();

}  // namespace velquist
