// Whether and how strongly the cluster shows: the conditions that hide it, its fade in
// and out, and its brightness by the in-game time of day.
#pragma once

namespace velquist {

// True when the cluster must fade out: no player ped, no control, dead, arrested, on the
// phone or on foot; the game showing its own HUD parts in the cluster's corner;
// first-person view or a passenger seat unless the profile allows them; a destroyed
// engine.
bool hudHidden();

// Moves fadeAlpha: out over 500 ms while hidden, in over 2000 ms otherwise. Returns
// whether anything of the cluster is to be drawn.
bool stepFade();

// dayBrightness from the in-game clock: 0.8 at night, 1.1 by day, ramps at dawn and dusk.
void updateDayBrightness();

}  // namespace velquist
