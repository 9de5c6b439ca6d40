// The shades behind the gauges and the engine damage glow. A shade is a soft dark shape
// the HUD draws at the shade opacity; the second gauge's shade leaves out what the
// velocity dial's shade already covers, so that where the two meet the backdrop is not
// darkened twice. It therefore comes in two forms, one for each place of the gauge.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "skin/geometry.h"
#include "skin/images.h"

namespace skin {

namespace {

constexpr double shadeAlpha = 0.85;
constexpr double mainFade = 36;    // px over which the main shade fades out
constexpr int smallSoftness = 18;  // blur radius of the small shade's edge
constexpr double smallRadius = 326;
constexpr double smallMargin = 0.012;  // turns of shade beyond the ends of the scale

// The main shade's opacity at a distance from its centre.
double mainShade(double distance) {
    const double t = (distance - big::shadowRadius) / mainFade;
    if (t <= 0) return shadeAlpha;
    if (t >= 1) return 0;
    return shadeAlpha * (1 - t * t * (3 - 2 * t));
}

}  // namespace

void drawShadowMain(const Canvas& c) {
    cairo_pattern_t* p = cairo_pattern_create_radial(c.mid(), c.mid(), 0, c.mid(), c.mid(),
                                                     big::shadowRadius + mainFade);
    for (int i = 0; i <= 16; ++i) {
        const double d = big::shadowRadius + mainFade * i / 16.0;
        cairo_pattern_add_color_stop_rgba(p, d / (big::shadowRadius + mainFade), 0, 0, 0,
                                          mainShade(d));
    }
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, shadeAlpha);
    cairo_set_source(c.cr(), p);
    cairo_paint(c.cr());
    cairo_pattern_destroy(p);
}

void drawShadowSmall(const Canvas& c, double mainX, double mainY) {
    cairo_t* cr = c.cr();
    const double m = c.mid();
    // The fan of the scale, and a rounded corner under the pivot for the labels.
    cairo_move_to(cr, m, m);
    cairo_arc(cr, m, m, smallRadius, (0.75 - smallMargin - 0.25) * 2 * pi,
              (1.045 + smallMargin - 0.25) * 2 * pi);
    cairo_close_path(cr);
    const double x0 = m - 60, y0 = m - 60, x1 = m + 170, y1 = m + 150, r = 50;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x1 - r, y0 + r, r, -pi / 2, 0);
    cairo_arc(cr, x1 - r, y1 - r, r, 0, pi / 2);
    cairo_arc(cr, x0 + r, y1 - r, r, pi / 2, pi);
    cairo_arc(cr, x0 + r, y0 + r, r, pi, 3 * pi / 2);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, shadeAlpha);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr);
    blur(c, smallSoftness);

    // Leave out what the main shade covers: the two together darken as much as the
    // darker of them.
    cairo_surface_t* s = c.surface();
    cairo_surface_flush(s);
    const int size = cairo_image_surface_get_width(s);
    const int stride = cairo_image_surface_get_stride(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    for (int y = 0; y < size; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < size; ++x) {
            const double own = (row[x] >> 24) / 255.0;
            if (own <= 0) continue;
            const double under = mainShade(std::hypot(x + 0.5 - m - mainX, y + 0.5 - m - mainY));
            const double wanted = std::max(own, under);
            const double a = under >= 1 ? 0 : (wanted - under) / (1 - under);
            row[x] = static_cast<uint32_t>(std::lround(std::clamp(a, 0.0, 1.0) * 255)) << 24;
        }
    }
    cairo_surface_mark_dirty(s);
}

void drawDamage(const Canvas& c) {
    // A glow that gathers towards the dial's rim and fades out beyond it; white, the HUD
    // colours it red.
    cairo_pattern_t* p = cairo_pattern_create_radial(c.mid(), c.mid(), 0, c.mid(), c.mid(),
                                                     big::shadowRadius + mainFade);
    const double end = big::shadowRadius + mainFade;
    cairo_pattern_add_color_stop_rgba(p, 0.0, 1, 1, 1, 0.10);
    cairo_pattern_add_color_stop_rgba(p, 260 / end, 1, 1, 1, 0.18);
    cairo_pattern_add_color_stop_rgba(p, 430 / end, 1, 1, 1, 0.75);
    cairo_pattern_add_color_stop_rgba(p, 455 / end, 1, 1, 1, 0.85);
    cairo_pattern_add_color_stop_rgba(p, 1.0, 1, 1, 1, 0.0);
    cairo_set_source(c.cr(), p);
    cairo_paint(c.cr());
    cairo_pattern_destroy(p);
}

}  // namespace skin
