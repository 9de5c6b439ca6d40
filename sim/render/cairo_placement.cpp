#include "render/cairo_placement.h"

namespace sim {

namespace {

constexpr double pi = 3.14159265358979323846;

}  // namespace

void applyPlacement(cairo_t* cr, const TexturePlacement& p) {
    cairo_translate(cr, p.x, p.y);
    cairo_rotate(cr, p.turns * 2 * pi);  // y grows downwards: positive turns clockwise
    cairo_scale(cr, p.width / p.pixelWidth, p.height / p.pixelHeight);
    // The pivot came as a float and is multiplied out as one, as the pictures always were.
    const float cx = static_cast<float>(p.centerX), cy = static_cast<float>(p.centerY);
    cairo_translate(cr, -cx * p.pixelWidth, -cy * p.pixelHeight);
}

}  // namespace sim
