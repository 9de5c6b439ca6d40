// The HUD refresh: vehicle sampling, then the fade and the drawing of the gauge cluster.
#pragma once

namespace velquist {

// One refresh; run by frameStep every refreshInterval ms while the mod is enabled.
void refreshHud();

// The slow part of every 100th refresh: brightness by the time of day, the screen's aspect
// ratio from the game, and the layout for it.
void updateBrightnessAndLayout();

}  // namespace velquist
