// The default skin's dials agree with the needles: for every printed number of every
// velocity face (default calibration) and rpm face (rpm needle scaling), the needle
// drawn by the renderer at that value has its tip on that number's tick.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <string>

#include "host/sim_host.h"
#include "hud/needle_math.h"
#include "render/renderer.h"
#include "skin/dial_scales.h"

namespace cat = velquist::catalogue;
using sim::host;

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr int screen = 1024;         // one screen pixel per canvas pixel
constexpr double centre = 512.0;     // the pivot on the screen
constexpr double tolerance = 3.0;    // px between the tip and the tick's middle line
constexpr double widestTick = 16.0;  // px: a mark wider than this at the tip is no tick

struct Point {
    double x, y;
};

class DialMarks : public ::testing::Test {
  protected:
    void SetUp() override {
        host.screenWidth = screen;
        host.screenHeight = screen;
        host.tick = 100000;
        host.textures.clear();
        host.draws.clear();
        host.frameRects.clear();
        host.frameTexts.clear();
        sim::renderer().clearTextures();
    }
    int texture(const std::string& relative) {
        std::string path = std::string(VELQUIST_SKIN_FOLDER) + "/" + relative;
        for (char& c : path)
            if (c == '\\') c = '/';
        return sim::addTexture({path, relative, false});
    }
    // Draws one full-size image on the pivot, alone, tinted, and returns the picture.
    cairo_surface_t* alone(int id, float rotation, float r, float g, float b) {
        host.draws.clear();
        host.draws[{id, 0}] =
            sim::DrawRecord{id,   0,        0,    150, 1.0f, 1.0f, 0.5f, 0.5f,     0.5f,
                            0.5f, rotation, 1.0f, r,   g,    b,    1.0f, host.tick};
        return sim::renderer().compose();
    }
    static void rgb(cairo_surface_t* s, int x, int y, int& r, int& g, int& b) {
        const unsigned char* data = cairo_image_surface_get_data(s);
        const uint32_t p =
            reinterpret_cast<const uint32_t*>(data + y * cairo_image_surface_get_stride(s))[x];
        r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    }
    // The needle, tinted green: its farthest green pixel from the pivot.
    Point needleTip(int needle, double turns) {
        cairo_surface_t* s = alone(needle, static_cast<float>(turns), 0, 1, 0);
        Point tip{centre, centre};
        double best = 0;
        for (int y = 0; y < screen; ++y)
            for (int x = 0; x < screen; ++x) {
                int r, g, b;
                rgb(s, x, y, r, g, b);
                const double d = std::hypot(x + 0.5 - centre, y + 0.5 - centre);
                if (g > 160 && r < 90 && b < 90 && d > best) best = d, tip = {x + 0.5, y + 0.5};
            }
        return tip;
    }
    // On the face, tinted magenta: walks the circle through the tip across the angle and
    // returns the middle of the mark met there, or a failure.
    ::testing::AssertionResult tipOnTick(cairo_surface_t* face, Point tip,
                                         const std::string& what) {
        const double radius = std::hypot(tip.x - centre, tip.y - centre);
        const double angle = std::atan2(tip.x - centre, centre - tip.y);  // clockwise from up
        auto marked = [&](double a) {
            const int x = static_cast<int>(centre + radius * std::sin(a));
            const int y = static_cast<int>(centre - radius * std::cos(a));
            if (x < 0 || y < 0 || x >= screen || y >= screen) return false;
            int r, g, b;
            rgb(face, x, y, r, g, b);
            return r > 150 && b > 150 && g < 110;
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
                return ::testing::AssertionFailure()
                       << what << ": no tick under the needle's tip at (" << tip.x << ", " << tip.y
                       << ")";
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
};

using DialMarksTest = DialMarks;

TEST_F(DialMarksTest, VelocityNeedleLandsOnEveryPrintedSpeed) {
    const int needle = texture(cat::needleBigA);
    for (int face = 0; face < cat::velocityFaceCount; ++face) {
        const auto cal = velquist::toCalibration(velquist::calibrationDefaults[face]);
        const int dial = texture(cat::velocityFaces[face].file);
        cairo_surface_t* picture = alone(dial, 0, 1, 0, 1);
        // The face is copied: the next compose reuses the renderer's picture.
        cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_RGB24, screen, screen);
        cairo_t* cr = cairo_create(copy);
        cairo_set_source_surface(cr, picture, 0, 0);
        cairo_paint(cr);
        cairo_destroy(cr);
        const auto& scale = skin::velocityScales[face];
        for (int i = 0; i < scale.labelCount; ++i) {
            const double turns =
                velquist::velocityNeedleTarget(static_cast<float>(scale.labels[i]), cal);
            EXPECT_TRUE(tipOnTick(copy, needleTip(needle, turns),
                                  std::string(cat::velocityFaces[face].file) + " at " +
                                      std::to_string(scale.labels[i])));
        }
        cairo_surface_destroy(copy);
    }
}

TEST_F(DialMarksTest, RpmNeedleLandsOnEveryPrintedThousand) {
    // A maximum rpm that shows each face, and the rpm it stands for at full rpm.
    const float maxRpm[cat::rpmDialCount] = {2.4f, 4.5f, 5.1f, 7.0f, 8.0f, 9.0f, 11.5f};
    const int needle = texture(cat::needleSmallA);
    for (int face = 0; face < cat::rpmDialCount; ++face) {
        ASSERT_EQ(velquist::rpmDialFor(maxRpm[face]), face);
        const int dial = texture(cat::rpmDials[face]);
        cairo_surface_t* picture = alone(dial, 0, 1, 0, 1);
        cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_RGB24, screen, screen);
        cairo_t* cr = cairo_create(copy);
        cairo_set_source_surface(cr, picture, 0, 0);
        cairo_paint(cr);
        cairo_destroy(cr);
        const int full = cat::rpmDialFullScale[face];
        const double topAt = velquist::rpmNeedleFraction(1.0f, maxRpm[face]) * full;
        for (int n = 0; n <= full; n += skin::rpmScales[face].labelStep) {
            // The rpm fraction at which the needle stands for n thousand on this face.
            const float fraction = static_cast<float>(n / topAt);
            const double turns = velquist::rpmNeedleTarget(fraction, maxRpm[face]);
            EXPECT_TRUE(tipOnTick(copy, needleTip(needle, turns),
                                  std::string(cat::rpmDials[face]) + " at " + std::to_string(n)));
        }
        cairo_surface_destroy(copy);
    }
}

}  // namespace
