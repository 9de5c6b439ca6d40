// Decoded pixels as a cairo image, for the Linux side's pictures (the renderer, the dial
// picture).
#pragma once

#include <cairo.h>

#include "render/png_pixels.h"

namespace sim {

// A new ARGB32 surface holding a copy of the pixels, owned by the caller; null for an
// empty image.
cairo_surface_t* surfaceOfPixels(const PixelImage& image);

}  // namespace sim
