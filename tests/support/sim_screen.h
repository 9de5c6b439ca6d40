// A fresh screen of the simulated host for tests that draw through the renderer directly:
// no textures, no draws, no texts or rectangles of a frame, and the renderer's images
// forgotten.
#pragma once

namespace sim_screen {

// The screen at width x height px and the clock at its start (100000 ms), empty.
void reset(int width, int height);
// The same at the screen size it has.
void reset();

}  // namespace sim_screen
