// The HUD in velquist-sim, checked against the trace: one scenario of tests/scenarios per
// behaviour family (each also runs under Wine for parity), many checks per scenario.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "support/sim_process.h"

namespace {

// One draw event of the trace.
struct Draw {
    long long f = 0, t = 0;
    std::string tex;
    int index = 0, level = 0, time = 0;
    double size = 0, cx = 0, cy = 0, x = 0, y = 0, rot = 0, aspect = 0;
    double r = 0, g = 0, b = 0, a = 0;
};

using Draws = std::vector<Draw>;

Draws draws(const sim_process::Result& run) {
    Draws out;
    for (const auto& e : trace_reader::only(run.trace, "draw")) {
        Draw d;
        d.f = e.f();
        d.t = e.t();
        d.tex = e["tex"].str();
        d.index = static_cast<int>(e["index"].num());
        d.level = static_cast<int>(e["level"].num());
        d.time = static_cast<int>(e["time"].num());
        d.size = e["size"][0].num();
        d.cx = e["center"][0].num();
        d.cy = e["center"][1].num();
        d.x = e["pos"][0].num();
        d.y = e["pos"][1].num();
        d.rot = e["rot"].num();
        d.aspect = e["aspect"].num();
        d.r = e["rgba"][0].num();
        d.g = e["rgba"][1].num();
        d.b = e["rgba"][2].num();
        d.a = e["rgba"][3].num();
        out.push_back(d);
    }
    return out;
}

// The draws of one image; `visible` leaves out clearings (level -9999 at alpha 0 on the
// screen's corner) of images that are not themselves back layers.
Draws of(const Draws& all, const std::string& tex) {
    Draws out;
    for (const Draw& d : all)
        if (d.tex == tex) out.push_back(d);
    return out;
}

Draws inFrame(const Draws& all, long long frame) {
    Draws out;
    for (const Draw& d : all)
        if (d.f == frame) out.push_back(d);
    return out;
}

// The draws of an image by frame (the last of a frame when there are several).
std::map<long long, Draw> byFrame(const Draws& all, const std::string& tex) {
    std::map<long long, Draw> out;
    for (const Draw& d : of(all, tex))
        out[d.f] = d;
    return out;
}

bool cleared(const Draw& d) {
    return d.level == -9999 && d.a == 0 && d.x == 0 && d.y == 0;
}

sim_process::Result runScenario(const std::string& name) {
    auto r = sim_process::runFile(name);
    EXPECT_EQ(r.exitCode, 0) << r.errors;
    return r;
}

// --- frame and layers -----------------------------------------------------------------

TEST(HudFrameScenario, DarkFor99RefreshesThenEveryLayerAtItsLevelAndOpacity) {
    const Draws all = draws(runScenario("hud_frame.scn"));
    // Every frame refreshes (16 ms frames, 12 ms interval): refresh n is frame n - 1.
    for (const Draw& d : all) {
        if (d.f < 99) {
            EXPECT_EQ(d.a, 0) << d.tex << " in frame " << d.f;
            EXPECT_EQ(d.aspect, 1) << d.f;
        } else {
            EXPECT_EQ(d.aspect, 1.25) << d.f;  // 1280 x 1024
        }
        EXPECT_EQ(d.time, 150);
    }
    const Draws lit = inFrame(all, 99);
    const std::vector<std::pair<std::string, int>> layers = {{"Shadow\\ShadowMain.png", -9999},
                                                             {"Velocity\\LinKmhFast.png", -9995},
                                                             {"Velocity\\TextKmh.png", -9997},
                                                             {"Needles\\NeedleBigA.png", -9992},
                                                             {"Damage.png", -9996},
                                                             {"Brands\\Dinka.png", -9998},
                                                             {"Rpm\\Rpm8.png", -9999},
                                                             {"Rpm\\RpmText.png", -9997},
                                                             {"Needles\\NeedleSmallB.png", -9992},
                                                             {"Shadow\\ShadowLeft.png", -9999},
                                                             {"GearNumbers\\Gear3.png", -9993}};
    ASSERT_EQ(lit.size(), layers.size());
    for (size_t i = 0; i < lit.size(); ++i) {
        EXPECT_EQ(lit[i].tex, layers[i].first);
        EXPECT_EQ(lit[i].level, layers[i].second) << lit[i].tex;
        EXPECT_EQ(lit[i].index, 0);
        EXPECT_EQ(lit[i].size, i + 1 == lit.size() ? 0.0567 : 0.162) << lit[i].tex;
    }
    // 20:00 is 0.95 bright: shadows 0.95 x 0.3, front 0.95 x 0.9, brand 0.9 x 0.5 x 0.95
    EXPECT_NEAR(lit[0].a, 0.285, 1e-6);
    EXPECT_NEAR(lit[1].a, 0.855, 1e-6);
    EXPECT_NEAR(lit[3].a, 0.855, 1e-6);
    EXPECT_NEAR(lit[5].a, 0.4275, 1e-6);
    EXPECT_EQ(lit[4].a, 0);  // an intact engine
    EXPECT_NEAR(lit[9].a, 0.285, 1e-6);
    // The needle at 72 km/h on a 0 to 180 dial; the other layers upright.
    EXPECT_NEAR(lit[3].rot, 0.9125, 1e-6);
    EXPECT_EQ(lit[1].rot, 0);
    EXPECT_NEAR(lit[3].r, 1, 1e-6);
    EXPECT_NEAR(lit[3].g, 25 / 255.0, 1e-6);
    // Placement: hudSize 90 at (900, 920), the rpm gauge left of the dial.
    EXPECT_NEAR(lit[0].x, 0.91862, 1e-5);
    EXPECT_NEAR(lit[0].y, 0.933832, 1e-5);
    EXPECT_NEAR(inFrame(all, 98)[0].y, 0.93729, 1e-5);  // before the aspect ratio was read
    EXPECT_NEAR(lit[6].x, 0.830501, 1e-5);
    EXPECT_NEAR(lit[6].y, 0.969032, 1e-5);
    EXPECT_EQ(lit[10].cx, 0.6);
    EXPECT_EQ(lit[10].cy, 0.65);
    // Brightness every 100th refresh: 07:30 1.0625, 02:00 0.8, 12:00 1.1.
    const auto dial = byFrame(all, "Velocity\\LinKmhFast.png");
    EXPECT_NEAR(dial.at(198).a, 0.855, 1e-6);
    EXPECT_NEAR(dial.at(199).a, 1.0625 * 0.9, 1e-6);
    EXPECT_NEAR(dial.at(299).a, 0.8 * 0.9, 1e-6);
    EXPECT_NEAR(dial.at(399).a, 1.1 * 0.9, 1e-6);
}

// --- gauges -----------------------------------------------------------------------------

TEST(VelocityDialScenario, LinearDialThenTwoStepUpsOnTheThrottle) {
    const Draws all = draws(runScenario("velocity_dial.scn"));
    const auto needle = byFrame(all, "Needles\\NeedleBigA.png");
    std::map<long long, std::string> dial;
    for (const Draw& d : all)
        if (d.level == -9995) dial[d.f] = d.tex;
    // The needle never turns faster than 0.0007 turn per ms (the first refresh aside).
    for (auto it = std::next(needle.begin(), 2); it != needle.end(); ++it) {
        const Draw& before = std::prev(it)->second;
        EXPECT_LE(std::fabs(it->second.rot - before.rot),
                  0.0007 * static_cast<double>(it->second.t - before.t) + 1e-5)
            << "frame " << it->first;
    }
    // At rest on the dial's first mark; 0.0112 turn per 16 ms frame towards 120 mph.
    EXPECT_EQ(needle.at(4).rot, 0.6875);
    EXPECT_NEAR(needle.at(5).rot - needle.at(4).rot, 0.0112, 1e-5);
    // 120 mph is the end of LinMphFast; without throttle the dial stays.
    EXPECT_EQ(needle.at(74).rot, 1.25);
    for (long long f = 0; f < 85; ++f)
        EXPECT_EQ(dial.at(f), "Velocity\\LinMphFast.png") << f;
    // 118 mph stands just past 1.24 turns.
    EXPECT_NEAR(needle.at(84).rot, 1.240625, 1e-5);
    // On the throttle (frame 85) CarMphSlow within ten refreshes; never back.
    long long slow = 0;
    while (slow < 200 && dial.at(slow) != "Velocity\\CarMphSlow.png")
        ++slow;
    EXPECT_GE(slow, 85);
    EXPECT_LT(slow, 95);
    // 180 mph (frame 97) ends CarMphSlow; CarMphFast follows within ten refreshes after
    // the needle has passed 1.24.
    long long past = 97;
    while (needle.at(past).rot <= 1.24)
        ++past;
    long long fast = slow;
    while (dial.at(fast) == "Velocity\\CarMphSlow.png")
        ++fast;
    EXPECT_EQ(dial.at(fast), "Velocity\\CarMphFast.png");
    EXPECT_GT(fast, past);
    EXPECT_LE(fast, past + 10);
    for (auto it = dial.find(fast); it != dial.end(); ++it)
        EXPECT_EQ(it->second, "Velocity\\CarMphFast.png") << it->first;
    // 180 mph on CarMphFast: half way between its 80 and 280 marks.
    EXPECT_NEAR(needle.at(136).rot, 1.09375, 1e-5);
    EXPECT_EQ(needle.rbegin()->second.rot, 1.25);
}

TEST(HighSpeedoScenario, SportsCarShowsTheWidestDialAtOnceReadingDouble) {
    const Draws all = draws(runScenario("high_speedo.scn"));
    for (const Draw& d : all) {
        if (d.level == -9995) {
            EXPECT_EQ(d.tex, "Velocity\\CarMphFast.png") << d.f;
        }
    }
    const auto needle = byFrame(all, "Needles\\NeedleBigA.png");
    // 40 mph read as 80: the CarMphFast mark of 80 (0.9375), not of 40 (0.7708).
    EXPECT_NEAR(needle.at(29).rot, 0.9375, 1e-5);
    EXPECT_NEAR(needle.at(49).rot, 0.6875 + 20.0 / 60.0 * 0.25, 1e-5);  // 20 mph as 40
    EXPECT_EQ(needle.at(69).rot, 0.6875);  // 8 mph as 16, below the first mark
    EXPECT_EQ(needle.rbegin()->second.rot, 1.25);
}

// --- rpm LEDs and gear ----------------------------------------------------------------

// The lit LEDs of a frame, by index; -1 for a frame without LEDs.
int litLeds(const Draws& all, long long frame) {
    int lit = 0, drawn = 0;
    for (const Draw& d : inFrame(all, frame)) {
        if (d.level != -9994) continue;
        ++drawn;
        lit += d.tex == "Rpm\\LedOn.png";
    }
    return drawn == 0 ? -1 : lit;
}

TEST(RpmLedsScenario, LitCountFollowsTheRpmAndAShiftHintBlinksTheRow) {
    const Draws all = draws(runScenario("rpm_leds.scn"));
    EXPECT_EQ(litLeds(all, 2), 0);   // 0.1
    EXPECT_EQ(litLeds(all, 5), 2);   // 0.11
    EXPECT_EQ(litLeds(all, 8), 3);   // 0.5
    EXPECT_EQ(litLeds(all, 11), 9);  // 1.0
    // Each LED: the other image cleared, then its own drawn, tinted, along the row.
    const Draws frame = inFrame(all, 11);
    const Draws leds = [&] {
        Draws out;
        for (const Draw& d : frame)
            if (d.tex == "Rpm\\LedOn.png" || d.tex == "Rpm\\LedOff.png") out.push_back(d);
        return out;
    }();
    ASSERT_EQ(leds.size(), 18u);
    for (int i = 0; i < 9; ++i) {
        const Draw& clear = leds[2 * static_cast<size_t>(i)];
        const Draw& led = leds[2 * static_cast<size_t>(i) + 1];
        EXPECT_EQ(clear.tex, "Rpm\\LedOff.png");
        EXPECT_TRUE(cleared(clear));
        EXPECT_EQ(clear.index, i);
        EXPECT_EQ(led.index, i);
        EXPECT_NEAR(led.size, 0.07 * 0.162, 1e-6);
        EXPECT_NEAR(led.x - leds[1].x, i * 0.162 * 0.048828125, 1e-5);
        EXPECT_EQ(led.r, i < 3 ? 0 : 1) << i;  // green, yellow, red in threes
        EXPECT_EQ(led.g, i < 6 ? 1 : 0) << i;
    }
    // The row sits on the dial's centre line, 70 / 512 of the sprite below its centre.
    const Draw dial = of(frame, "Shadow\\ShadowMain.png").at(0);
    EXPECT_NEAR(leds[9].x, dial.x, 1e-5);
    EXPECT_NEAR(leds[9].y - dial.y, 70 * 2 * 0.0009765625 * 0.162, 1e-5);
    // With the hint (frames 12 to 41) the row is dark while tick % 200 < 100.
    int dark = 0, bright = 0;
    for (long long f = 12; f < 42; ++f) {
        const long long t = 100000 + 16 * f;
        const int lit = litLeds(all, f);
        EXPECT_EQ(lit, t % 200 < 100 ? 0 : 9) << "frame " << f;
        (lit == 0 ? dark : bright)++;
        EXPECT_EQ(of(inFrame(all, f), "GearNumbers\\GearShiftUp.png").size(), 1u);
        const Draws gear = of(inFrame(all, f), "GearNumbers\\Gear2.png");
        ASSERT_EQ(gear.size(), 1u);
        EXPECT_FALSE(cleared(gear[0]));  // the digit stays beside the LEDs
        EXPECT_EQ(gear[0].x, dial.x);
        EXPECT_NEAR(gear[0].size, 0.4 * 0.162, 1e-6);
    }
    EXPECT_GT(dark, 10);
    EXPECT_GT(bright, 10);
    for (long long f = 42; f < 47; ++f)
        EXPECT_EQ(litLeds(all, f), 9);
    // Beside the LEDs and the digit, the velocity needle leaves the dial's centre free.
    EXPECT_TRUE(of(all, "Needles\\NeedleBigA.png").empty());
    EXPECT_FALSE(of(all, "Needles\\NeedleBigB.png").empty());
}

TEST(GearBlinkScenario, OnTheRpmDialTheDigitBlinksAndANewGearClearsTheOld) {
    const Draws all = draws(runScenario("gear_blink.scn"));
    EXPECT_EQ(litLeds(all, 3), -1);
    // Frame 5: gear 3 becomes 4; the old digit is cleared before the new one is drawn.
    const Draws change = inFrame(all, 5);
    ASSERT_FALSE(change.empty());
    EXPECT_EQ(change[0].tex, "GearNumbers\\Gear3.png");
    EXPECT_TRUE(cleared(change[0]));
    const Draw digit = of(change, "GearNumbers\\Gear4.png").at(0);
    EXPECT_NEAR(digit.size, 0.35 * 0.162, 1e-6);
    EXPECT_EQ(digit.cx, 0.6);
    EXPECT_EQ(digit.cy, 0.65);
    const Draw face = of(change, "Rpm\\Rpm8.png").at(0);  // ADDER: 7000 rpm
    EXPECT_EQ(digit.x, face.x);
    EXPECT_EQ(digit.y, face.y);
    // The shift-down hint from frame 8: the digit blinks, the hint stays.
    int dark = 0;
    for (long long f = 8; f < 34; ++f) {
        const long long t = 100000 + 16 * f;
        const Draws frame = inFrame(all, f);
        const Draw gear = of(frame, "GearNumbers\\Gear4.png").at(0);
        EXPECT_EQ(cleared(gear), t % 200 < 100) << "frame " << f;
        dark += cleared(gear);
        const Draw hint = of(frame, "GearNumbers\\GearShiftDown.png").at(0);
        EXPECT_EQ(hint.level, -9993);
        EXPECT_GT(hint.a, -1);
    }
    EXPECT_GT(dark, 8);
    // neutral from the mod: N from the refresh after the one that read it
    EXPECT_FALSE(of(inFrame(all, 35), "GearNumbers\\GearN.png").empty());
    // The rpm needle stands at half of 7000 rpm on the 8000 face.
    EXPECT_NEAR(byFrame(all, "Needles\\NeedleSmallB.png").at(20).rot, 0.75 + 0.5 * 0.875 * 0.295,
                1e-5);
}

// --- damage ----------------------------------------------------------------------------

struct Swing {
    double low = 1, high = -1;    // the flash's extremes (alpha / front opacity)
    std::vector<long long> lows;  // ticks at which it turned up again
};

// The damage level of every refresh in [from, to) frames at daylight 1.1 and full fade.
Swing swingOf(const Draws& all, long long from, long long to) {
    Swing s;
    double before = 0, beforeThat = 0;
    for (const auto& [f, d] : byFrame(all, "Damage.png")) {
        if (f < from || f >= to) continue;
        const double level = d.a / (1.1 * 0.9);
        s.low = std::min(s.low, level);
        s.high = std::max(s.high, level);
        if (f > from + 1 && before < beforeThat && level > before) s.lows.push_back(d.t);
        beforeThat = before;
        before = level;
    }
    return s;
}

TEST(DamageFlashScenario, NoneIntactSwingingAt800SteadyAtZeroHiddenWhenDestroyed) {
    const Draws all = draws(runScenario("damage_flash.scn"));
    const Swing intact = swingOf(all, 99, 100);
    EXPECT_EQ(intact.high, 0);
    EXPECT_EQ(intact.low, 0);
    const Draw flash = of(inFrame(all, 120), "Damage.png").at(0);
    EXPECT_EQ(flash.level, -9996);
    EXPECT_EQ(flash.r, 1);
    EXPECT_EQ(flash.g, 0);
    EXPECT_EQ(flash.b, 0);
    const Swing at800 = swingOf(all, 100, 400);
    EXPECT_NEAR(at800.low, -0.6667, 0.01);  // one step of overshoot at most
    EXPECT_NEAR(at800.high, 0.0, 0.011);
    ASSERT_GE(at800.lows.size(), 2u);
    EXPECT_NEAR(static_cast<double>(at800.lows[1] - at800.lows[0]), 2250, 80);
    EXPECT_NEAR(of(inFrame(all, 410), "Damage.png").at(0).a, 0.7 * 0.99, 1e-5);
    // Health -4000 (frame 420) hides the cluster: it fades out in 500 ms.
    const auto dial = byFrame(all, "Velocity\\LinKmhFast.png");
    EXPECT_LT(dial.at(425).a, dial.at(419).a);
    EXPECT_EQ(dial.rbegin()->first, 420 + 30);
}

TEST(DamageFlashScenario, DoubleFrequencySwingsTwiceAsFastHalfIntensityHalfAsStrong) {
    const Swing normal = swingOf(draws(runScenario("damage_flash.scn")), 100, 400);
    const Draws all = draws(runScenario("damage_fast.scn"));
    const Swing fast = swingOf(all, 100, 400);
    EXPECT_NEAR(fast.low, -0.3333, 0.01);
    ASSERT_GE(fast.lows.size(), 3u);
    ASSERT_GE(normal.lows.size(), 2u);
    const double period = static_cast<double>(fast.lows[2] - fast.lows[1]);
    EXPECT_NEAR(period, static_cast<double>(normal.lows[1] - normal.lows[0]) / 2, 48);
    EXPECT_NEAR(of(inFrame(all, 410), "Damage.png").at(0).a, 0.35 * 0.99, 1e-5);
}

// --- fade and hiding --------------------------------------------------------------------

TEST(FadeScenario, OutIn500msInIn2000msHiddenInFirstPersonAndAsPassenger) {
    const Draws all = draws(runScenario("fade_hiding.scn"));
    const auto dial = byFrame(all, "Velocity\\LinKmhFast.png");
    const double full = 1.1 * 0.9;
    EXPECT_NEAR(dial.at(99).a, full, 1e-6);
    // Out of the car at frame 100: 0.032 of the fade per 16 ms refresh, gone after 31.
    EXPECT_NEAR(dial.at(100).a, full * (1 - 0.032), 1e-5);
    EXPECT_NEAR(dial.at(130).a, full * (1 - 31 * 0.032), 1e-4);
    EXPECT_EQ(dial.count(131), 0u);
    for (long long f = 131; f < 140; ++f)
        EXPECT_TRUE(inFrame(all, f).empty()) << f;
    // The needles stay where they stood while it fades.
    EXPECT_EQ(of(inFrame(all, 130), "Needles\\NeedleBigA.png").at(0).rot,
              of(inFrame(all, 99), "Needles\\NeedleBigA.png").at(0).rot);
    // In again at frame 140: 0.008 per refresh, full after 2000 ms.
    EXPECT_NEAR(dial.at(140).a, full * 0.008, 1e-5);
    EXPECT_NEAR(dial.at(202).a, full * 0.504, 1e-4);
    EXPECT_LT(dial.at(263).a, full);
    EXPECT_NEAR(dial.at(264).a, full, 1e-5);  // 125 refreshes
    // First person (frame 270): out again over 500 ms; back in view: in again.
    EXPECT_LT(dial.at(271).a, dial.at(270).a);
    EXPECT_EQ(dial.count(302), 0u);
    EXPECT_GT(dial.at(310).a, 0);
    // A passenger seat with passenger 0 (frame 330): a new vehicle fades in until the
    // seat is tested on the 340th refresh (frame 339), then it fades out.
    EXPECT_NEAR(dial.at(330).a, full * 0.008, 1e-5);
    EXPECT_GT(dial.at(338).a, dial.at(337).a);
    EXPECT_LT(dial.at(339).a, dial.at(338).a);
    EXPECT_EQ(dial.count(341), 0u);
    EXPECT_TRUE(inFrame(all, 389).empty());
}

TEST(SeatViewScenario, FirstPersonAndPassengerShownWithoutTheEngineGauges) {
    const Draws all = draws(runScenario("seat_view_allowed.scn"));
    // The seat is first tested on the 10th refresh (frame 9): LEDs and gear until then.
    EXPECT_EQ(litLeds(all, 8), 4);  // rpm 0.6
    EXPECT_FALSE(of(inFrame(all, 8), "Needles\\NeedleBigB.png").empty());
    for (long long f = 9; f < 30; ++f) {
        const Draws frame = inFrame(all, f);
        EXPECT_EQ(litLeds(all, f), -1) << f;
        for (const Draw& d : frame) {
            EXPECT_EQ(d.tex.find("GearNumbers"), std::string::npos) << f;
            EXPECT_EQ(d.tex.find("Rpm\\"), std::string::npos) << f;
        }
        EXPECT_EQ(of(frame, "Needles\\NeedleBigA.png").size(), 1u);
        EXPECT_EQ(of(frame, "Damage.png").size(), 1u);
        EXPECT_EQ(of(frame, "Fuel\\ExtFuelCokeScale.png").size(), 1u);
        EXPECT_EQ(frame.size(), 4u + 2u + 6u);  // velocity, damage and brand, fuel
    }
}

// --- vertical speed and fuel ------------------------------------------------------------

TEST(VerticalFuelScenario, SinkingPlaneAndAFuelGaugeThatRestsWithTheEngine) {
    const Draws all = draws(runScenario("vertical_fuel.scn"));
    // The plane: its needle moves refreshInterval (12) thousandths of a turn per refresh
    // and settles at 0.895 - (0.029 + 0.058 log10 5).
    const auto vertical = byFrame(all, "Needles\\NeedleSmallA.png");
    EXPECT_NEAR(vertical.at(2).rot - vertical.at(1).rot, 0.012, 1e-5);
    EXPECT_NEAR(vertical.at(99).rot, 0.8255, 1e-4);
    const Draw face = of(inFrame(all, 99), "PlaVertical.png").at(0);
    EXPECT_EQ(face.level, -9995);
    EXPECT_EQ(face.x, vertical.at(99).x);
    EXPECT_TRUE(of(inFrame(all, 99), "Fuel\\ExtFuelCokeScale.png").empty());
    // The car with fuel values (frame 100 on): the gauge, the needle on instance 1.
    Draws fuelNeedle;
    for (const Draw& d : all)
        if (d.tex == "Needles\\NeedleSmallA.png" && d.index == 1) fuelNeedle.push_back(d);
    ASSERT_FALSE(fuelNeedle.empty());
    EXPECT_EQ(fuelNeedle.front().f, 100);
    EXPECT_NEAR(byFrame(fuelNeedle, "Needles\\NeedleSmallA.png").at(139).rot, 0.75 + 0.5 * 0.295,
                1e-5);
    EXPECT_EQ(byFrame(fuelNeedle, "Needles\\NeedleSmallA.png").at(164).rot, 0.75);
    const Draws gauge = inFrame(all, 120);
    const Draw weed = of(gauge, "Fuel\\ExtFuelWeed.png").at(0);
    EXPECT_NEAR(weed.g, 0.4, 1e-6);  // 0.2 is red-tinted
    EXPECT_EQ(of(gauge, "Fuel\\ExtFuelMeth.png").at(0).g, 1);
    EXPECT_EQ(of(gauge, "Shadow\\ShadowAbove.png").at(0).x, weed.x);  // the other side
    // The bicycle (frame 165 on) has no fuel values: no gauge.
    for (long long f = 165; f < 175; ++f)
        EXPECT_TRUE(of(inFrame(all, f), "Fuel\\ExtFuelCokeScale.png").empty()) << f;
}

// --- needle colour ----------------------------------------------------------------------

TEST(PrimaryColourScenario, OnlyAColourWithALeadingChannelColoursTheNeedles) {
    const Draws all = draws(runScenario("primary_colour.scn"));
    auto colourAt = [&](long long f) {
        const Draw d = of(inFrame(all, f), "Needles\\NeedleBigA.png").at(0);
        return std::vector<double>{d.r, std::round(d.g * 1000) / 1000,
                                   std::round(d.b * 1000) / 1000};
    };
    const std::vector<double> settings = {1, 0.098, 0.098};
    EXPECT_EQ(colourAt(14), settings);                        // white
    EXPECT_EQ(colourAt(26), (std::vector<double>{1, 0, 0}));  // pure red
    EXPECT_EQ(colourAt(38), settings);                        // dark red
    EXPECT_EQ(colourAt(50), (std::vector<double>{0, 0, 1}));  // pure blue
    EXPECT_EQ(colourAt(75), settings);                        // a bus, red
    // The rpm needle takes the same colour.
    EXPECT_EQ(of(inFrame(all, 26), "Needles\\NeedleSmallB.png").at(0).g, 0);
}

// --- refresh scheduling -----------------------------------------------------------------

std::vector<long long> refreshTicks(const Draws& all) {
    std::vector<long long> ticks;
    for (const Draw& d : of(all, "Shadow\\ShadowMain.png"))
        ticks.push_back(d.t);
    return ticks;
}

TEST(RefreshScenario, FiftyMsApartWithFiftyEveryFrameWithFive) {
    const auto slow = refreshTicks(draws(runScenario("refresh_50.scn")));
    ASSERT_GT(slow.size(), 20u);
    for (size_t i = 1; i < slow.size(); ++i)
        EXPECT_GE(slow[i] - slow[i - 1], 50) << i;
    EXPECT_EQ(slow[1] - slow[0], 64);                    // every 4th 16 ms frame
    EXPECT_EQ(slow.back() - slow[slow.size() - 2], 50);  // every 10th 5 ms frame

    const Draws quick = draws(runScenario("refresh_5.scn"));
    const auto ticks = refreshTicks(quick);
    ASSERT_EQ(ticks.size(), 120u);
    for (size_t i = 1; i < ticks.size(); ++i)
        EXPECT_EQ(ticks[i] - ticks[i - 1], i <= 60 ? 5 : 16) << i;
}

}  // namespace
