// The vehicle's brand logo, faint, over the velocity dial.
#include "hud/brand_logo.h"

#include <algorithm>

#include "core/process_texts.h"
#include "hud/hud_draw.h"
#include "hud/texture_set.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

void drawBrandLogo() {
    const int32_t brand = std::clamp(sample.brandIndex, 0, brandCount - 1);
    drawLayer(textures.brandLogos[brand], levelBrand, mainPlace(), white, brandOpacity());
}

}  // namespace velquist
