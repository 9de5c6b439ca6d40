#include "support/dial_probe.h"

#include <algorithm>
#include <cmath>

namespace dial_probe {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double tolerance = 3.0;    // px between the tip and the tick's middle line
constexpr double widestTick = 16.0;  // px: a mark wider than this at the tip is no tick

}  // namespace

void rgb(cairo_surface_t* s, int x, int y, int& r, int& g, int& b) {
    const unsigned char* data = cairo_image_surface_get_data(s);
    const uint32_t p =
        reinterpret_cast<const uint32_t*>(data + y * cairo_image_surface_get_stride(s))[x];
    r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
}

double turnsOf(Point centre, Point p) {
    const double a = std::atan2(p.x - centre.x, centre.y - p.y) / (2 * pi);
    return a < 0 ? a + 1 : a;
}

Point farthest(cairo_surface_t* s, Point centre, const PixelTest& isNeedle, double turns,
               double spread, double maxRadius) {
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    auto test = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h) return false;
        int r, g, b;
        rgb(s, x, y, r, g, b);
        return isNeedle(r, g, b);
    };
    if (spread < 0.5) {
        // Inwards from the picture's corner distance, across the wedge at each radius.
        for (double radius = std::min(std::hypot(w, h), maxRadius); radius >= 1; radius -= 0.5) {
            const double step = 0.25 / radius / (2 * pi);
            for (double t = turns - spread; t <= turns + spread; t += step) {
                const int x = static_cast<int>(centre.x + radius * std::sin(t * 2 * pi));
                const int y = static_cast<int>(centre.y - radius * std::cos(t * 2 * pi));
                if (test(x, y)) return {x + 0.5, y + 0.5};
            }
        }
        return centre;
    }
    Point tip = centre;
    double best = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double d = std::hypot(x + 0.5 - centre.x, y + 0.5 - centre.y);
            if (d > best && test(x, y)) best = d, tip = {x + 0.5, y + 0.5};
        }
    return tip;
}

::testing::AssertionResult tipOnTick(cairo_surface_t* face, Point centre, Point tip,
                                     const PixelTest& isMark, const std::string& what) {
    const int w = cairo_image_surface_get_width(face), h = cairo_image_surface_get_height(face);
    const double radius = std::hypot(tip.x - centre.x, tip.y - centre.y);
    if (radius < 1) return ::testing::AssertionFailure() << what << ": no needle found";
    const double angle = std::atan2(tip.x - centre.x, centre.y - tip.y);  // clockwise from up
    auto marked = [&](double a) {
        const int x = static_cast<int>(centre.x + radius * std::sin(a));
        const int y = static_cast<int>(centre.y - radius * std::cos(a));
        if (x < 0 || y < 0 || x >= w || y >= h) return false;
        int r, g, b;
        rgb(face, x, y, r, g, b);
        return isMark(r, g, b);
    };
    const double step = 0.25 / radius;  // a quarter pixel along the circle
    const double reach = (widestTick + 2 * tolerance) / radius;
    double from = angle, to = angle;
    if (!marked(angle)) {
        // The nearest mark on either side within the tolerance.
        double d = step;
        while (d <= tolerance / radius && !marked(angle - d) && !marked(angle + d))
            d += step;
        if (d > tolerance / radius)
            return ::testing::AssertionFailure() << what << ": no tick under the needle's tip at ("
                                                 << tip.x << ", " << tip.y << ")";
        from = to = marked(angle - d) ? angle - d : angle + d;
    }
    while (marked(from - step) && angle - from < reach)
        from -= step;
    while (marked(to + step) && to - angle < reach)
        to += step;
    const double width = (to - from) * radius;
    if (width >= widestTick)
        return ::testing::AssertionFailure()
               << what << ": the mark under the tip is " << width << " px wide, not a tick";
    const double offset = ((from + to) / 2 - angle) * radius;
    if (std::fabs(offset) > tolerance)
        return ::testing::AssertionFailure()
               << what << ": the tip is " << offset << " px off the tick's middle";
    return ::testing::AssertionSuccess();
}

}  // namespace dial_probe
