// The four needles. Each points straight up from the canvas centre, its pivot; the HUD
// turns it clockwise. They are white, so the HUD's needle colour tints them whole, with
// a thin dark edge that keeps them visible over a bright sky, and a cap over the pivot.
// The short forms leave the middle of their dial free for the gear digit and the LED row.
#include "skin/geometry.h"
#include "skin/images.h"

namespace skin {

namespace {

constexpr double edgeWidth = 4;

struct NeedleShape {
    double from, to;   // distance from the pivot of the two ends (from < 0: a tail)
    double baseWidth;  // width at the pivot end
    double tipWidth;   // width at the tip
    double capRadius;  // 0: no cap
};

void drawNeedle(const Canvas& c, const NeedleShape& n) {
    cairo_t* cr = c.cr();
    const double m = c.mid();
    cairo_new_path(cr);
    // A tapered blade with a rounded tip, pointing up (towards smaller y).
    cairo_move_to(cr, m - n.baseWidth / 2, m - n.from);
    cairo_line_to(cr, m - n.tipWidth / 2, m - n.to + n.tipWidth / 2);
    cairo_arc(cr, m, m - n.to + n.tipWidth / 2, n.tipWidth / 2, pi, 2 * pi);
    cairo_line_to(cr, m + n.baseWidth / 2, m - n.from);
    cairo_close_path(cr);
    if (n.capRadius > 0) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, m, m, n.capRadius, 0, 2 * pi);
    }
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, edgeWidth * 2);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill(cr);
    if (n.capRadius > 0) {
        // The cap: a dark disc with a light rim, so that the pivot reads as a part of
        // its own over the blade.
        cairo_arc(cr, m, m, n.capRadius * 0.72, 0, 2 * pi);
        cairo_set_source_rgba(cr, 0.16, 0.16, 0.16, 1);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, n.capRadius * 0.12);
        cairo_set_source_rgba(cr, 0.85, 0.85, 0.85, 1);
        cairo_stroke(cr);
    }
}

}  // namespace

void drawNeedleBig(const Canvas& c, bool shortForm) {
    if (shortForm)
        drawNeedle(c, {big::needleBInner, big::needleTip, 16, 7, 0});
    else
        drawNeedle(c, {-big::needleTail, big::needleTip, 22, 7, big::capRadius});
}

void drawNeedleSmall(const Canvas& c, bool shortForm) {
    if (shortForm)
        drawNeedle(c, {small::needleBInner, small::needleTip, 12, 6, 0});
    else
        // No tail: with the needle up, a tail would point below the pivot.
        drawNeedle(c, {0, small::needleTip, 16, 6, small::capRadius});
}

}  // namespace skin
