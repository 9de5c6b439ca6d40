// Looks at pictures of dials: where a needle's tip is, and whether the face has a tick
// right under it. Shared by the default skin's test and the dial tool's test.
#pragma once

#include <gtest/gtest.h>

#include <cairo.h>

#include <functional>
#include <string>

namespace dial_probe {

struct Point {
    double x, y;
};

using PixelTest = std::function<bool(int r, int g, int b)>;

// The colour channels (0..255) of a pixel of an RGB24 or ARGB32 picture.
void rgb(cairo_surface_t* picture, int x, int y, int& r, int& g, int& b);

// The angle of a point about the centre: turns clockwise from straight up, 0..1.
double turnsOf(Point centre, Point p);

// The pixel farthest from the centre that passes the test, within `spread` turns of the
// direction `turns` (any direction when spread is 0.5 or more) and, in a wedge, within
// maxRadius of the centre; the centre when none.
Point farthest(cairo_surface_t* picture, Point centre, const PixelTest& isNeedle, double turns,
               double spread, double maxRadius = 1e9);

// Walks the circle through the tip across its angle on the face picture and checks that a
// mark (pixels passing isMark) lies there: narrower than a tick's widest, its middle
// within a tolerance of the tip.
::testing::AssertionResult tipOnTick(cairo_surface_t* face, Point centre, Point tip,
                                     const PixelTest& isMark, const std::string& what);

}  // namespace dial_probe
