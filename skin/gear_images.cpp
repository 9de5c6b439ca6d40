// The gear digits (R, N, 1 to 8) and the two shift hints, on the gear canvas. The HUD
// draws them in the middle of the velocity dial (among the LEDs) or on the analogue rpm
// dial with the image's middle up and left of the hub, inside the short needle's reach.
// The digit keeps to the middle of its canvas and the hints stand left of it, so that
// both places leave them clear of every needle and of the screen's bottom edge.
#include "skin/geometry.h"
#include "skin/images.h"

namespace skin {

void drawGearDigit(const Canvas& c, const std::string& text) {
    Marks marks(c);
    marks.text(text, {c.mid(), c.mid()}, Face::bold, c.size() * gear::digitHeight, ink);
    marks.draw();
}

void drawShiftHint(const Canvas& c, bool up) {
    cairo_t* cr = c.cr();
    const double x = c.mid() + c.size() * gear::hintX;
    const double y = c.mid() + c.size() * (up ? -gear::hintY : gear::hintY);
    const double s = c.size() * gear::hintSize, d = up ? -1 : 1;
    // A filled arrow head pointing the way to shift, with the dark halo of every mark.
    cairo_new_path(cr);
    cairo_move_to(cr, x, y + d * s * 0.42);
    cairo_line_to(cr, x + s * 0.5, y - d * s * 0.38);
    cairo_line_to(cr, x - s * 0.5, y - d * s * 0.38);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, haloWidth * 2);
    setColour(cr, halo);
    cairo_stroke_preserve(cr);
    setColour(cr, amber);
    cairo_fill(cr);
}

}  // namespace skin
