// A texture draw's placement (texture_placement.h) as a cairo transformation, for the
// renderer's painting.
#pragma once

#include <cairo.h>

#include "render/texture_placement.h"

namespace sim {

// Sets cr's transformation so that the scaled copy (pixelWidth x pixelHeight) painted at
// 0, 0 lands where imageToScreen puts it.
void applyPlacement(cairo_t* cr, const TexturePlacement& p);

}  // namespace sim
