// The plain picture that stands for the game world behind the HUD in a shot: a sky, a
// road running to the horizon with its lane marks, and the verges. Bright and dark parts
// both, so that a picture shows whether the HUD reads over either.
#pragma once

#include <cairo.h>

namespace sim {

// Draws the backdrop over the whole of a width x height target.
void drawBackdrop(cairo_t* cr, int width, int height);

}  // namespace sim
