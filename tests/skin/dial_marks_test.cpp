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
#include "support/dial_probe.h"
#include "support/sim_screen.h"

namespace cat = velquist::catalogue;
using sim::host;

namespace {

constexpr int screen = 1024;                       // one screen pixel per canvas pixel
constexpr dial_probe::Point centre{512.0, 512.0};  // the pivot on the screen

using dial_probe::Point;

class DialMarks : public ::testing::Test {
  protected:
    void SetUp() override { sim_screen::reset(screen, screen); }
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
    // A dial face alone, tinted magenta, as a picture of its own (the caller destroys it):
    // the next compose reuses the renderer's picture.
    cairo_surface_t* faceAlone(int dial) {
        cairo_surface_t* picture = alone(dial, 0, 1, 0, 1);
        cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_RGB24, screen, screen);
        cairo_t* cr = cairo_create(copy);
        cairo_set_source_surface(cr, picture, 0, 0);
        cairo_paint(cr);
        cairo_destroy(cr);
        return copy;
    }
    // The needle, tinted green: its farthest green pixel from the pivot.
    Point needleTip(int needle, double turns) {
        cairo_surface_t* s = alone(needle, static_cast<float>(turns), 0, 1, 0);
        return dial_probe::farthest(
            s, centre, [](int r, int g, int b) { return g > 160 && r < 90 && b < 90; }, 0, 1);
    }
    // On the face, tinted magenta, a tick under the tip.
    static ::testing::AssertionResult tipOnTick(cairo_surface_t* face, Point tip,
                                                const std::string& what) {
        return dial_probe::tipOnTick(
            face, centre, tip, [](int r, int g, int b) { return r > 150 && b > 150 && g < 110; },
            what);
    }
};

using DialMarksTest = DialMarks;

TEST_F(DialMarksTest, VelocityNeedleLandsOnEveryPrintedSpeed) {
    const int needle = texture(cat::needleBigA);
    for (int face = 0; face < cat::velocityFaceCount; ++face) {
        const auto cal = velquist::toCalibration(velquist::calibrationDefaults[face]);
        const int dial = texture(cat::velocityFaces[face].file);
        cairo_surface_t* copy = faceAlone(dial);
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
        cairo_surface_t* copy = faceAlone(dial);
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
