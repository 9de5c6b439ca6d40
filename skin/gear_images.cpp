// The gear digits (R, N, 1 to 8) and the two shift hints, on the gear canvas. The HUD
// draws them in the middle of the velocity dial (among the LEDs) or on the rpm dial,
// so the digit keeps to the middle of its canvas and the hints stand to its right.
#include "skin/geometry.h"
#include "skin/images.h"

namespace skin {

namespace {

constexpr double digitHeight = 0.46;  // cap height, fraction of the canvas
constexpr double hintX = 0.80;        // centre of the hint arrows, fractions of the canvas
constexpr double hintUpY = 0.27;
constexpr double hintDownY = 0.73;
constexpr double hintSize = 0.16;

}  // namespace

void drawGearDigit(const Canvas& c, const std::string& text) {
    Marks marks(c);
    marks.text(text, {c.mid(), c.mid()}, Face::words, c.size() * digitHeight, ink);
    marks.draw();
}

void drawShiftHint(const Canvas& c, bool up) {
    cairo_t* cr = c.cr();
    const double x = c.size() * hintX, y = c.size() * (up ? hintUpY : hintDownY);
    const double s = c.size() * hintSize, d = up ? -1 : 1;
    // A chevron: a bold arrow head pointing the way to shift.
    cairo_new_path(cr);
    cairo_move_to(cr, x - s * 0.5, y - d * s * 0.2);
    cairo_line_to(cr, x, y + d * s * 0.3);
    cairo_line_to(cr, x + s * 0.5, y - d * s * 0.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, s * 0.26 + haloWidth);
    setColour(cr, halo);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, s * 0.26);
    setColour(cr, amber);
    cairo_stroke(cr);
}

}  // namespace skin
