#include "render/backdrop.h"

namespace sim {

namespace {

constexpr double horizon = 0.46;  // fraction of the height

void drawSky(cairo_t* cr, double w, double h) {
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, h * horizon);
    cairo_pattern_add_color_stop_rgb(sky, 0.0, 0.36, 0.55, 0.76);
    cairo_pattern_add_color_stop_rgb(sky, 1.0, 0.80, 0.85, 0.88);
    cairo_rectangle(cr, 0, 0, w, h * horizon);
    cairo_set_source(cr, sky);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    // Distant hills along the horizon.
    cairo_move_to(cr, 0, h * horizon);
    cairo_curve_to(cr, w * 0.15, h * (horizon - 0.06), w * 0.30, h * (horizon - 0.02), w * 0.42,
                   h * (horizon - 0.05));
    cairo_curve_to(cr, w * 0.60, h * (horizon - 0.09), w * 0.80, h * (horizon - 0.01), w,
                   h * (horizon - 0.04));
    cairo_line_to(cr, w, h * horizon);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.52, 0.60, 0.62);
    cairo_fill(cr);
}

void drawGround(cairo_t* cr, double w, double h) {
    cairo_pattern_t* ground = cairo_pattern_create_linear(0, h * horizon, 0, h);
    cairo_pattern_add_color_stop_rgb(ground, 0.0, 0.45, 0.50, 0.38);
    cairo_pattern_add_color_stop_rgb(ground, 1.0, 0.30, 0.38, 0.22);
    cairo_rectangle(cr, 0, h * horizon, w, h * (1 - horizon));
    cairo_set_source(cr, ground);
    cairo_fill(cr);
    cairo_pattern_destroy(ground);
}

void drawRoad(cairo_t* cr, double w, double h) {
    const double vx = w * 0.5, vy = h * horizon;
    cairo_move_to(cr, vx - w * 0.01, vy);
    cairo_line_to(cr, vx + w * 0.01, vy);
    cairo_line_to(cr, w * 1.05, h);
    cairo_line_to(cr, -w * 0.05, h);
    cairo_close_path(cr);
    cairo_pattern_t* asphalt = cairo_pattern_create_linear(0, vy, 0, h);
    cairo_pattern_add_color_stop_rgb(asphalt, 0.0, 0.50, 0.50, 0.52);
    cairo_pattern_add_color_stop_rgb(asphalt, 1.0, 0.24, 0.24, 0.26);
    cairo_set_source(cr, asphalt);
    cairo_fill(cr);
    cairo_pattern_destroy(asphalt);

    // Dashed centre line, the dashes growing towards the viewer.
    cairo_set_source_rgb(cr, 0.92, 0.92, 0.86);
    for (double t = 0.02; t < 1.0; t *= 1.45) {
        const double t2 = t * 1.22;
        const double y1 = vy + (h - vy) * t, y2 = vy + (h - vy) * (t2 > 1 ? 1 : t2);
        const double half1 = w * 0.004 * t * 2.5, half2 = w * 0.004 * t2 * 2.5;
        cairo_move_to(cr, vx - half1, y1);
        cairo_line_to(cr, vx + half1, y1);
        cairo_line_to(cr, vx + half2, y2);
        cairo_line_to(cr, vx - half2, y2);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

}  // namespace

void drawBackdrop(cairo_t* cr, int width, int height) {
    const double w = width, h = height;
    cairo_save(cr);
    drawSky(cr, w, h);
    drawGround(cr, w, h);
    drawRoad(cr, w, h);
    cairo_restore(cr);
}

}  // namespace sim
