// What a player sees: velquist-sim pictures of the cluster, checked pixel by pixel where
// the needle, the LEDs and the damage glow must stand.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "support/sim_process.h"
#include "support/temp_files.h"

namespace fs = std::filesystem;

namespace {

// The cluster at full size in the middle of a square screen, with green needles: the
// velocity dial's centre is the screen's centre, the sprite 200 px wide.
constexpr const char* clusterScenario = R"(screen 1000 1000
file settings1.ini
[FEATURES]
rpm=2
[OPTICS]
usePrimColor=0
needleRed=0
needleGreen=255
needleBlue=0
[PLACEMENT]
hudSize=100
mainOffsetX=500
mainOffsetY=500
end
vehicle blista label=BLISTA class=0
# 100 km/h: straight up on the 0 to 180 dial
set blista engine=1 speed=27.7778 gear=3 rpm=0.5
enter blista
frames 100
shot up.png
set blista health=0 speed=0
frames 100
shot rest.png
)";

class Picture {
  public:
    explicit Picture(const fs::path& file)
        : s_(cairo_image_surface_create_from_png(file.string().c_str())) {}
    ~Picture() { cairo_surface_destroy(s_); }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    bool ok() const { return cairo_surface_status(s_) == CAIRO_STATUS_SUCCESS; }
    struct Rgb {
        int r, g, b;
    };
    Rgb at(int x, int y) const {
        const unsigned char* data = cairo_image_surface_get_data(s_);
        const uint32_t p =
            reinterpret_cast<const uint32_t*>(data + y * cairo_image_surface_get_stride(s_))[x];
        return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                static_cast<int>(p & 0xFF)};
    }
    // A needle pixel (green) within `reach` px of the point.
    bool greenNear(double x, double y, int reach = 2) const {
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx) {
                const Rgb c = at(static_cast<int>(x) + dx, static_cast<int>(y) + dy);
                if (c.g > 150 && c.r < 100 && c.b < 100) return true;
            }
        return false;
    }

  private:
    cairo_surface_t* s_;
};

class ClusterShots : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        shots = temp_files::folderUntilExit();
        const auto r = sim_process::run(clusterScenario, {"--shots", shots.string()});
        ASSERT_EQ(r.exitCode, 0) << r.errors;
    }
    static fs::path shots;
    // A point on a circle about the dial's centre at an angle clockwise from up (turns).
    static std::pair<double, double> onDial(double turns, double radius) {
        const double a = turns * 2 * M_PI;
        return {500 + radius * std::sin(a), 500 - radius * std::cos(a)};
    }
};

fs::path ClusterShots::shots;

TEST_F(ClusterShots, TheNeedlePointsAtTheSpeedAndRestsOnTheFirstMark) {
    const Picture up(shots / "up.png");
    ASSERT_TRUE(up.ok());
    for (double radius : {60.0, 75.0}) {
        const auto [x, y] = onDial(1.0, radius);
        EXPECT_TRUE(up.greenNear(x, y)) << radius;
        for (double elsewhere : {0.25, 0.75, 0.6875}) {
            const auto [ox, oy] = onDial(elsewhere, radius);
            EXPECT_FALSE(up.greenNear(ox, oy)) << elsewhere << " at " << radius;
        }
    }
    const Picture rest(shots / "rest.png");
    ASSERT_TRUE(rest.ok());
    for (double radius : {60.0, 75.0}) {
        const auto [x, y] = onDial(0.6875, radius);  // 247.5 degrees
        EXPECT_TRUE(rest.greenNear(x, y)) << radius;
        const auto [ux, uy] = onDial(1.0, radius);
        EXPECT_FALSE(rest.greenNear(ux, uy)) << radius;
    }
}

TEST_F(ClusterShots, ThreeLedsLitAtHalfRpm) {
    const Picture up(shots / "up.png");
    ASSERT_TRUE(up.ok());
    // Nine LEDs 25/512 of the sprite apart, the fifth on the centre line, 140/512 of the
    // sprite below the centre.
    const double step = 200 * 0.048828125;
    const double y = 500 + 70 * 2 * 0.0009765625 * 200;
    for (int i = 0; i < 9; ++i) {
        const auto c = up.at(static_cast<int>(500 + (i - 4) * step), static_cast<int>(y));
        const int brightness = std::max({c.r, c.g, c.b});
        if (i < 3) {
            EXPECT_GT(c.g, 200) << "LED " << i + 1;
            EXPECT_LT(c.r, 120) << "LED " << i + 1;
        } else {
            EXPECT_LT(brightness, 190) << "LED " << i + 1;
        }
    }
}

TEST_F(ClusterShots, ADeadEngineGlowsRedAlongTheRimAndLeavesTheMiddleClear) {
    const Picture up(shots / "up.png"), rest(shots / "rest.png");
    ASSERT_TRUE(up.ok() && rest.ok());
    // How much redder than green the dial is on average, on an arc about its centre over
    // the needle's sweep (247.5 to 450 degrees).
    auto redness = [](const Picture& p, double radius) {
        double sum = 0;
        for (int k = 0; k <= 40; ++k) {
            const auto [x, y] = onDial(0.70 + 0.53 * k / 40, radius);
            const auto c = p.at(static_cast<int>(x), static_cast<int>(y));
            sum += c.r - c.g;
        }
        return sum / 41;
    };
    // The glow gathers just outside the scale line, 416/1024 of the 200 px sprite out.
    EXPECT_LT(redness(up, 84), 10);
    EXPECT_GT(redness(rest, 84), 60);
    // Inside the ticks, where the numbers and the gear digit stand, it leaves the dial
    // as it is.
    for (double radius : {20.0, 45.0, 62.0})
        EXPECT_LT(redness(rest, radius), redness(up, radius) + 8) << radius;
}

}  // namespace
