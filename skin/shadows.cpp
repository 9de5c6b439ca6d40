// The shades behind the gauges and the engine damage glow. A shade is a soft dark shape
// the HUD draws at the shade opacity; it follows its gauge's outline, flat where the
// screen's bottom edge may stand close. The side gauge's shade leaves out what the
// velocity dial's shade already covers, so that where the two meet the backdrop is not
// darkened twice. It therefore comes in two forms, one for each place of the gauge.
//
// Shapes are written as signed distances in units (negative inside), so that union,
// intersection and a soft edge of a given width are one min, max and fade each.
#include <algorithm>
#include <cmath>

#include "hud/needle_math.h"
#include "settings/extended_settings.h"
#include "skin/geometry.h"
#include "skin/images.h"

namespace skin {

namespace {

constexpr double shadeAlpha = 0.9;

// [SECTION] Distances

double disc(double x, double y, double radius) {
    return std::hypot(x, y) - radius;
}

// A box with rounded corners, from (x0, y0) to (x1, y1).
double roundedBox(double x, double y, double x0, double y0, double x1, double y1, double r) {
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const double qx = std::fabs(x - cx) - ((x1 - x0) / 2 - r);
    const double qy = std::fabs(y - cy) - ((y1 - y0) / 2 - r);
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - r;
}

// The sector swept clockwise from one angle to the other (turns, less than half a turn
// apart), out to a radius.
double sector(double x, double y, double fromTurns, double toTurns, double radius) {
    const double a = fromTurns * 2 * pi, b = toTurns * 2 * pi;
    // Outside the first ray is counter-clockwise of it, outside the second clockwise.
    const double first = -(x * std::cos(a) + y * std::sin(a));
    const double second = x * std::cos(b) + y * std::sin(b);
    return std::max({disc(x, y, radius), first, second});
}

// Full inside, fading out smoothly over width units outside.
double fade(double distance, double width) {
    const double t = std::clamp(distance / width, 0.0, 1.0);
    return 1 - t * t * (3 - 2 * t);
}

// [SECTION] Shapes

// The velocity dial's shade at a point, from the dial's pivot.
double mainShade(double x, double y) {
    const double outline =
        std::max(std::min(disc(x, y, big::shadeRadius),
                          roundedBox(x, y, 0, 0, big::shadeRight, big::shadeBottom, 40)),
                 y - big::shadeBottom);
    return shadeAlpha * fade(outline, big::shadeFade);
}

// A small gauge's shade: the fan of its scale, the label column right of the pivot and
// the pivot itself, all above the gauge's lowest ink.
double smallShade(double x, double y) {
    const double from = velquist::smallNeedleStart - 0.012;
    const double to = velquist::smallNeedleStart + velquist::smallNeedleSweep + 0.012;
    const double outline =
        std::max(std::min({sector(x, y, from, to, small::shadeRadius), disc(x, y, 40),
                           roundedBox(x, y, -20, -124, small::legendRight, 0, 30)}),
                 y - small::shadeBottom);
    return shadeAlpha * fade(outline, small::shadeFade);
}

// The damage glow: a band along the velocity scale's rim, over the sweep of the needle.
double damageGlow(double x, double y) {
    constexpr double rim = big::arcRadius + 6, width = 16, endFade = 0.012;  // turns
    const auto cal = velquist::toCalibration(velquist::calibrationDefaults[0]);
    double turns = std::atan2(x, -y) / (2 * pi);  // clockwise from up, -0.5..0.5
    // Onto the sweep's own range, which starts below nine o'clock and ends past a turn.
    while (turns < cal.deg0 - 0.25)
        turns += 1;
    const double beyond = std::max(cal.deg0 - turns, turns - cal.deg2);
    const double along = std::clamp(1 - beyond / endFade, 0.0, 1.0);
    const double r = std::hypot(x, y);
    const double band = std::exp(-0.5 * ((r - rim) / width) * ((r - rim) / width));
    return 0.9 * band * along * fade(y - big::shadeBottom, big::shadeFade);
}

}  // namespace

void drawShadowMain(const Canvas& c) {
    paintOpacity(c, 0, mainShade);
}

void drawShadowSmall(const Canvas& c, double placeX, double placeY) {
    // The two shades together darken as much as the darker of them.
    paintOpacity(c, 0, [&](double x, double y) {
        const double own = smallShade(x, y);
        const double under = mainShade(x + placeX, y + placeY);
        if (own <= under || under >= 1) return 0.0;
        return (own - under) / (1 - under);
    });
}

void drawDamage(const Canvas& c) {
    paintOpacity(c, 1, damageGlow);  // white: the HUD colours it red
}

}  // namespace skin
