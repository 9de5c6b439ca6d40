// The vertical speed face of planes and helicopters and the fuel gauge's scale and value
// images. Both are small gauges: their needle pivots on the canvas centre and sweeps the
// upper left quarter, as the rpm needle does, and their labels stand right of the pivot.
#include <algorithm>
#include <cmath>
#include <vector>

#include "hud/needle_math.h"
#include "skin/geometry.h"
#include "skin/images.h"

namespace skin {

namespace {

constexpr double numberGap = 8;
constexpr double arrowSize = 40;

double verticalAngle(double metresPerSecond) {
    return velquist::verticalNeedleTarget(static_cast<float>(metresPerSecond));
}

double fuelAngle(double level) {
    return velquist::fuelNeedleTarget(static_cast<float>(level), true);
}

// A filled triangle pointing up (or down) centred on a point.
void drawArrow(cairo_t* cr, Point at, bool up) {
    const double s = arrowSize, d = up ? -1 : 1;
    cairo_new_path(cr);
    cairo_move_to(cr, at.x, at.y + d * s * 0.55);
    cairo_line_to(cr, at.x + s * 0.6, at.y - d * s * 0.45);
    cairo_line_to(cr, at.x - s * 0.6, at.y - d * s * 0.45);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, haloWidth);
    setColour(cr, halo);
    cairo_stroke_preserve(cr);
    setColour(cr, ink);
    cairo_fill(cr);
}

}  // namespace

bool drawVerticalFace(const Canvas& c, std::string& problem) {
    Marks marks(c);
    const double reach = velquist::verticalNeedleReach;
    const double mid = velquist::verticalNeedleCentre;
    marks.arc(mid - reach, mid + reach, small::arcRadius, arcWidth, softInk);
    const double bottom = c.mid() + small::lowestInk - haloWidth / 2;

    // Logarithmic small ticks: 0.5 m/s, then 2..9 of each decade up to 100, both ways.
    for (double sign : {-1.0, 1.0}) {
        marks.tick(verticalAngle(sign * 0.5), small::minorInner, small::tickOuter, minorTickWidth,
                   softInk);
        for (double decade : {1.0, 10.0})
            for (int k = 2; k <= 9; ++k)
                marks.tick(verticalAngle(sign * k * decade), small::minorInner + 8,
                           small::tickOuter, minorTickWidth - 1, softInk);
        marks.tick(verticalAngle(sign * 1.0), small::majorInner + 14, small::tickOuter,
                   majorTickWidth - 2, softInk);
    }
    // Numbered ticks at 0 and 10 m/s up and down; the ends (100 m/s and beyond) carry
    // the climb and sink arrows instead of a number, which would crowd the 10 at the top.
    for (double v : {-100.0, -10.0, 0.0, 10.0, 100.0})
        marks.tick(verticalAngle(v), small::majorInner, small::tickOuter, majorTickWidth, ink);
    for (double v : {-10.0, 0.0, 10.0}) {
        const std::string number = std::to_string(static_cast<int>(std::fabs(v)));
        marks.text(number,
                   keptAbove(c.cr(), number, polar(c, verticalAngle(v), small::numberRadius),
                             Face::narrow, small::numberHeight, bottom),
                   Face::narrow, small::numberHeight, ink);
    }
    marks.text("m/s",
               {leftEdgeFor(c.cr(), "m/s", c.mid() + small::legendRight, Face::bold,
                            small::legendHeight, 0.06),
                c.mid() + small::legendY},
               Face::bold, small::legendHeight, ink, 0.06, false);
    problem = marks.crowding(numberGap);
    marks.draw();

    drawArrow(c.cr(), polar(c, verticalAngle(100), small::numberRadius), true);
    // The sink arrow stands on the nine o'clock line: kept above the gauge's lowest ink.
    Point sink = polar(c, verticalAngle(-100), small::numberRadius);
    sink.y = std::min(sink.y, bottom - arrowSize * 0.55);
    drawArrow(c.cr(), sink, false);
    return problem.empty();
}

void drawFuelScale(const Canvas& c) {
    Marks marks(c);
    marks.arc(fuelAngle(0), fuelAngle(1), small::arcRadius, arcWidth, softInk);
    marks.arc(fuelAngle(0), fuelAngle(0.15), small::tickOuter - 8, 16, redZone);
    for (double level : {0.25, 0.75})
        marks.tick(fuelAngle(level), small::minorInner, small::tickOuter, minorTickWidth, softInk);
    static const char* const names[3] = {"E", "\xC2\xBD", "F"};  // E, one half, F
    const double bottom = c.mid() + small::lowestInk - haloWidth / 2;
    for (int i = 0; i < 3; ++i) {
        const double level = i * 0.5;
        const double height = small::numberHeight * (i == 1 ? 0.8 : 1.0);
        marks.tick(fuelAngle(level), small::majorInner, small::tickOuter, majorTickWidth, ink);
        marks.text(names[i],
                   keptAbove(c.cr(), names[i], polar(c, fuelAngle(level), small::numberRadius),
                             Face::narrow, height, bottom),
                   Face::narrow, height, ink);
    }
    marks.draw();
}

void drawFuelImage(const Canvas& c, int which) {
    // Three labels in a column beside the pivot, each its own image so that the HUD can
    // colour each by its own level.
    static const char* const names[3] = {"COKE", "METH", "WEED"};
    Marks marks(c);
    const double left = leftEdgeFor(c.cr(), names[which], c.mid() + small::legendRight,
                                    Face::narrow, small::legendHeight, 0.04);
    marks.text(names[which], {left, c.mid() + small::legendY + which * small::legendStep},
               Face::narrow, small::legendHeight, ink, 0.04, false);
    marks.draw();
}

}  // namespace skin
