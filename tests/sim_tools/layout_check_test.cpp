// The layout check called in-process: the ink of an image, the screen masks, the agreement
// of measured ink with the rendered picture, and the cluster of a game folder measured
// through the plug-in's own drawing. Expected pixels come from the cluster's geometry by
// hand: in units of 1/1024 of a full-size image's side (0.2 x 0.81 of the screen width at
// HUD Size 90), the velocity gauge's centre has 514 units of room to the right at every
// ratio and 318 (4:3), 335 (5:4), 273 (16:10), 250 (16:9) or 194 (21:9) below it; the second
// gauge stands at (-557, +178) with the second gauge left, the fuel gauge at (+381, -496).
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "host/sim_host.h"
#include "render/png_file.h"
#include "render/renderer.h"
#include "render/texture_placement.h"
#include "settings/profile_keys.h"
#include "support/planted_images.h"
#include "support/sim_screen.h"
#include "support/temp_files.h"
#include "tools/layout_check.h"
#include "tools/screen_mask.h"

namespace fs = std::filesystem;
using planted_images::Box;
using sim::LayoutSetup;
using sim::Screen;
using velquist::ProfileSettings;

namespace {

// [SECTION] Geometry by hand
// [SECTION] Ink and masks
// [SECTION] The shipped folder
// [SECTION] Planted images
// [SECTION] Placements that fit

// [SECTION] Geometry by hand

// The screens the default placement is made for: the common ones but 32:9, and 5:4.
std::vector<Screen> madeForScreens() {
    std::vector<Screen> screens;
    for (const Screen& s : sim::commonScreens())
        if (s.defaultPlacementFits) screens.push_back(s);
    screens.push_back({1350, 1080, "5:4", true});
    return screens;
}

double unitPixels(const Screen& s) {
    return 0.2 * 0.81 * s.width / 1024.0;
}

constexpr double roomRight = 514;

double roomBelow(const Screen& s) {
    const std::pair<const char*, double> rooms[] = {
        {"4:3", 318}, {"5:4", 335}, {"16:10", 273}, {"16:9", 250}, {"21:9", 194}};
    for (const auto& [name, room] : rooms)
        if (s.name == name) return room;
    ADD_FAILURE() << "no room known for " << s.name;
    return 0;
}

// The rooms are known to half a unit: an overhang that lands near a whole pixel may be
// counted either side of it.
void expectPixels(int measured, double byHand, const std::string& what) {
    const int low = std::max(0, static_cast<int>(std::ceil(byHand - 0.25)));
    const int high = std::max(0, static_cast<int>(std::ceil(byHand + 0.25)));
    EXPECT_TRUE(measured == low || measured == high)
        << what << ": measured " << measured << " px, by hand " << byHand;
}

// [SECTION] Ink and masks

TEST(ImageInk, TenPercentAlphaIsInkAndTheHullHoldsEveryInkCorner) {
    const int w = 70, h = 5;  // wider than a 64-pixel word
    std::vector<uint32_t> pixels(static_cast<size_t>(w * h), 0);
    pixels[1 * w + 3] = 25u << 24;   // just below a tenth: not ink
    pixels[2 * w + 66] = 26u << 24;  // a tenth: ink
    pixels[4 * w + 10] = 0xFFFFFFFFu;
    const auto* bytes = reinterpret_cast<const unsigned char*>(pixels.data());
    sim::ImageInk ink = sim::inkOfPixels(bytes, w, h, w * 4, true);
    EXPECT_FALSE(ink.ink(3, 1));
    EXPECT_TRUE(ink.ink(66, 2));
    EXPECT_TRUE(ink.ink(10, 4));
    EXPECT_EQ(ink.inkPixels, 2);
    int left = w, right = 0, top = h, bottom = 0;
    for (const sim::InkCorner& c : ink.hull) {
        left = std::min(left, c.x);
        right = std::max(right, c.x);
        top = std::min(top, c.y);
        bottom = std::max(bottom, c.y);
    }
    EXPECT_EQ(left, 10);
    EXPECT_EQ(right, 67);  // the far corner of pixel 66
    EXPECT_EQ(top, 2);
    EXPECT_EQ(bottom, 5);

    ink = sim::inkOfPixels(bytes, w, h, w * 4, false);  // no alpha: every pixel counts
    EXPECT_EQ(ink.inkPixels, w * h);
    EXPECT_EQ(ink.hull.size(), 4u);
}

TEST(ImageInk, FilesThatCannotBeMeasuredAreLeftOut) {
    temp_files::Folder folder;
    sim::InkCache cache;
    EXPECT_EQ(cache.ink((folder.path() / "missing.png").string()), nullptr);
    temp_files::writeFile(folder.path() / "text.png", "not a picture");
    EXPECT_EQ(cache.ink((folder.path() / "text.png").string()), nullptr);
    // Wider than the check reads: not decoded, named with its size.
    planted_images::writeBox(folder.path() / "wide.png", sim::imageSideMax + 1, 1, 0, 0, 1, 1);
    const std::string wide = (folder.path() / "wide.png").string();
    EXPECT_EQ(cache.ink(wide), nullptr);
    ASSERT_EQ(cache.tooLarge().count(wide), 1u);
    EXPECT_EQ(cache.tooLarge().at(wide), std::to_string(sim::imageSideMax + 1) + " x 1");
    // A blank one-pixel logo has no ink, and is read once.
    planted_images::writeBox(folder.path() / "blank.png", 1, 1, 0, 0, 0, 0);
    const sim::ImageInk* blank = cache.ink((folder.path() / "blank.png").string());
    ASSERT_NE(blank, nullptr);
    EXPECT_TRUE(blank->hull.empty());
    EXPECT_EQ(cache.ink((folder.path() / "blank.png").string()), blank);
}

TEST(ScreenMask, UnionAndOverlapCountPixelsAcrossWordsAndOffTheScreen) {
    sim::ScreenMask a(-70, -2, 10, 3), b(0, 0, 130, 1);
    for (int x = -70; x < 10; ++x)
        a.set(x, 0);  // 80 pixels, crossing words and the screen's left edge
    for (int x = 0; x < 130; ++x)
        b.set(x, 0);
    b.set(500, 0);  // outside b: ignored
    EXPECT_EQ(a.count(), 80);
    EXPECT_EQ(b.count(), 130);
    EXPECT_EQ(overlap(a, b), 10);  // x 0..9
    sim::ScreenMask all(-100, -5, 200, 5);
    all.add(a);
    all.add(b);
    EXPECT_EQ(all.count(), 200);  // x -70..129
    EXPECT_TRUE(all.test(-70, 0));
    EXPECT_FALSE(all.test(-71, 0));
}

// The measured ink of a turned image against the renderer's picture of the same draw.
TEST(InkOnScreen, MeasuredExtentIsWhereTheRendererPaints) {
    temp_files::Folder folder;
    const fs::path box = folder.path() / "box.png";
    planted_images::writeBox(box, 200, 100, 30, 10, 170, 60);
    sim_screen::reset(1000, 800);
    const auto copy = [](cairo_surface_t* s) {
        const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        (void)w;
        return std::vector<unsigned char>(data, data + cairo_image_surface_get_stride(s) * h);
    };
    const std::vector<unsigned char> backdrop = copy(sim::renderer().compose());
    const int id = sim::addTexture({box.string(), box.string(), false});
    sim::DrawRecord d;
    d.id = id;
    d.time = 1000;
    d.tick = sim::host.tick;
    d.sizeX = d.sizeY = 0.3f;
    d.aspect = 1000.0f / 800.0f;
    d.centerX = 0.3f;
    d.centerY = 0.7f;
    d.posX = 0.45f;
    d.posY = 0.55f;
    d.rotation = 0.13f;
    d.r = d.g = d.b = d.a = 1.0f;
    sim::host.draws[{id, 0}] = d;
    cairo_surface_t* frame = sim::renderer().compose();
    const std::vector<unsigned char> painted = copy(frame);
    const int stride = cairo_image_surface_get_stride(frame);
    int left = 1000, right = -1, top = 800, bottom = -1;
    for (int y = 0; y < 800; ++y)
        for (int x = 0; x < 1000; ++x) {
            const size_t at = static_cast<size_t>(y * stride + x * 4);
            int diff = 0;
            for (int c = 0; c < 3; ++c)
                diff = std::max(diff, std::abs(painted[at + c] - backdrop[at + c]));
            if (diff <= 26) continue;  // a tenth of the white box's strength
            left = std::min(left, x);
            right = std::max(right, x + 1);
            top = std::min(top, y);
            bottom = std::max(bottom, y + 1);
        }
    sim_screen::reset();

    sim::InkCache cache;
    const sim::ImageInk* ink = cache.ink(box.string());
    ASSERT_NE(ink, nullptr);
    const auto placement = sim::placeTexture(d, 1000, 800);
    ASSERT_TRUE(placement);
    const sim::InkExtent e = sim::inkExtent(*ink, *placement);
    EXPECT_NEAR(e.left, left, 1.0);
    EXPECT_NEAR(e.right, right, 1.0);
    EXPECT_NEAR(e.top, top, 1.0);
    EXPECT_NEAR(e.bottom, bottom, 1.0);
    // The mask of the placed box covers what the renderer painted, give or take its edge.
    const sim::ScreenMask mask = sim::inkMask(*ink, {*placement});
    const double area = 140 * 50 * (placement->width / 200) * (placement->height / 100);
    EXPECT_NEAR(static_cast<double>(mask.count()), area, area * 0.03);
}

// [SECTION] The shipped folder

class LayoutFolder : public ::testing::Test {
  protected:
    void SetUp() override { fs::copy(VELQUIST_SKIN_FOLDER, data(), fs::copy_options::recursive); }
    fs::path game() const { return folder.path(); }
    fs::path data() const { return folder.path() / "Velquist"; }

    // Every image of the folder made blank (one clear pixel), for pictures planted alone.
    void blankEveryImage() const {
        for (const auto& entry : fs::recursive_directory_iterator(data()))
            if (entry.path().extension() == ".png")
                planted_images::writeBox(entry.path(), 1, 1, 0, 0, 0, 0);
    }

    temp_files::Folder folder;
};

// Every set-up a player can have: each vehicle kind in each of its units, the second
// gauge left and above, the rpm off, as a dial and as LEDs, with and without the gear and
// its shift hints, the vertical speed on and off, the dials for a top-speed mod or not,
// and the damage flash, brand logo and fuel gauge all on or all off (each part is measured
// on its own, so all on shows every part a mix would).
std::vector<LayoutSetup> everySetUp() {
    std::vector<LayoutSetup> setups;
    const ProfileSettings defaults;
    for (int k = 0; k < velquist::vehicleKindCount; ++k) {
        const auto kind = static_cast<velquist::VehicleKind>(k);
        // The units the kind's unit key offers.
        ProfileSettings p = defaults;
        const int32_t* unit = &p.unitOf(kind);
        int32_t unitMax = 0;
        for (const velquist::ProfileKey& row : velquist::profileKeys)
            if (&(p.*row.field) == unit) unitMax = row.maximum;
        for (int32_t u = 0; u <= unitMax; ++u)
            for (int32_t left : {0, 1})
                for (int32_t rpm : {0, 1, 2})
                    for (int32_t gear : {0, 1})
                        for (int32_t vertical : {0, 1})
                            for (int32_t high : {0, 1})
                                for (bool extras : {false, true}) {
                                    const bool car = kind == velquist::kindCar;
                                    if (!car && (rpm != 1 || gear != 1)) continue;
                                    if (car && rpm == 0 && gear == 0) continue;
                                    if (kind != velquist::kindPlane && vertical == 0) continue;
                                    if (kind != velquist::kindBoat && kind != velquist::kindCar &&
                                        high == 1)
                                        continue;
                                    LayoutSetup s{kind, defaults, extras};
                                    s.profile.unitOf(kind) = u;
                                    s.profile.isExtraGaugeLeft = left;
                                    s.profile.rpm = rpm;
                                    s.profile.gear = gear;
                                    s.profile.vertical = vertical;
                                    s.profile.useHighSpeedo = high;
                                    s.profile.dmg = s.profile.brand = extras ? 1 : 0;
                                    setups.push_back(s);
                                }
    }
    return setups;
}

std::string describe(LayoutSetup s) {
    char text[160];
    std::snprintf(
        text, sizeof text, "kind %d unit %d rpm %d gear %d vertical %d high %d extras %d %s",
        s.kind, s.profile.unitOf(s.kind), s.profile.rpm, s.profile.gear, s.profile.vertical,
        s.profile.useHighSpeedo, s.profile.dmg, s.profile.isExtraGaugeLeft ? "left" : "above");
    return text;
}

TEST_F(LayoutFolder, ShippedFolderFitsEveryScreenOfItsRatiosInEverySetUp) {
    sim::LayoutCheck check(game());
    std::vector<std::string> faults;
    const Screen fullHd = sim::commonScreens()[2];
    ASSERT_EQ(fullHd.name, "16:9");
    for (const LayoutSetup& setup : everySetUp()) {
        for (const Screen& screen : madeForScreens())
            for (const sim::Overhang& o : check.offScreen(setup, screen).images)
                for (int edge = 0; edge < sim::edgeCount; ++edge)
                    if (o.pixels[edge] > 0)
                        faults.push_back(sim::screenTitle(screen) + " " + describe(setup) + ": " +
                                         o.reportPath + " " + std::to_string(o.pixels[edge]) +
                                         " px " + sim::edgePhrase(edge));
        const sim::Overlaps o = check.overlaps(setup, fullHd);
        for (const sim::GaugeOverlap& g : o.gauges)
            faults.push_back(describe(setup) + ": " + g.firstFile + " and " + g.secondFile +
                             " overlap " + std::to_string(g.pixels) + " px");
        for (const sim::NeedleCrossing& n : o.needles)
            faults.push_back(describe(setup) + ": " + sim::roleName(n.needle) + " over " +
                             n.reportPath + " " + std::to_string(n.pixels) + " px");
    }
    std::string shown;
    for (size_t i = 0; i < faults.size() && i < 40; ++i)
        shown += faults[i] + "\n";
    EXPECT_TRUE(faults.empty()) << faults.size() << " faults, the first:\n" << shown;
}

TEST_F(LayoutFolder, TheActiveProfileShowsEachKindItIsEnabledFor) {
    ProfileSettings p;
    EXPECT_EQ(sim::profileSetups(p).size(), static_cast<size_t>(velquist::vehicleKindCount));
    p.isEnabledInBoa = 0;
    const std::vector<LayoutSetup> setups = sim::profileSetups(p);
    ASSERT_EQ(setups.size(), static_cast<size_t>(velquist::vehicleKindCount - 1));
    for (const LayoutSetup& s : setups) {
        EXPECT_NE(s.kind, velquist::kindBoat);
        EXPECT_TRUE(s.fuel);
    }
}

// [SECTION] Planted images

TEST_F(LayoutFolder, LabelsAtTheCanvasEdgeRunOffByTheirPixels) {
    // The unit label at the bottom of a canvas of its own size; a fuel label near the right.
    planted_images::writeBox(data() / "Velocity" / "TextKmh.png", 400, 400, 150, 370, 250, 390);
    planted_images::writeBox(data() / "Fuel" / "ExtFuelCoke.png", 256, 256, 190, 60, 250, 80);
    const Box label = planted_images::inkBox(data() / "Velocity" / "TextKmh.png", sim::inkAlphaMin);
    const Box fuel = planted_images::inkBox(data() / "Fuel" / "ExtFuelCoke.png", sim::inkAlphaMin);
    sim::LayoutCheck check(game());
    const LayoutSetup car;  // km/h, the fuel gauge shown, the second gauge left
    for (const Screen& screen : madeForScreens()) {
        int below = 0, right = 0;
        for (const sim::Overhang& o : check.offScreen(car, screen).images) {
            if (o.reportPath == "Velquist/Velocity/TextKmh.png") below = o.pixels[sim::edgeBottom];
            if (o.reportPath == "Velquist/Fuel/ExtFuelCoke.png") right = o.pixels[sim::edgeRight];
        }
        const double u = unitPixels(screen);
        expectPixels(below, (planted_images::unitsDown(label) - roomBelow(screen)) * u,
                     sim::screenTitle(screen) + " unit label");
        expectPixels(right, (381 + planted_images::unitsRight(fuel) - roomRight) * u,
                     sim::screenTitle(screen) + " fuel label");
    }
}

TEST_F(LayoutFolder, ALargerVelocityFaceRunsOffByItsPixels) {
    const fs::path face = data() / "Velocity" / "LinKmhFast.png";
    const Box before = planted_images::inkBox(face, sim::inkAlphaMin);
    ASSERT_GT(before.y1, before.y0);
    // Scaled so that its ink reaches 360 units below its centre, past every room.
    planted_images::scaleAboutCentre(face, 360.0 / planted_images::unitsDown(before));
    const Box after = planted_images::inkBox(face, sim::inkAlphaMin);
    sim::LayoutCheck check(game());
    for (const Screen& screen : madeForScreens()) {
        int below = 0;
        for (const sim::Overhang& o : check.offScreen(LayoutSetup{}, screen).images)
            if (o.reportPath == "Velquist/Velocity/LinKmhFast.png")
                below = o.pixels[sim::edgeBottom];
        expectPixels(below,
                     (planted_images::unitsDown(after) - roomBelow(screen)) * unitPixels(screen),
                     sim::screenTitle(screen));
    }
}

TEST_F(LayoutFolder, GearAndLedsStandWhereTheirModeDrawsThem) {
    blankEveryImage();
    planted_images::writeBox(data() / "GearNumbers" / "Gear1.png", 100, 100, 0, 0, 100, 100);
    planted_images::writeBox(data() / "Rpm" / "LedOn.png", 64, 64, 0, 0, 64, 64);
    sim::LayoutCheck check(game());
    const Screen screen = sim::commonScreens()[2];  // 16:9: 250 units below the centre
    const double u = unitPixels(screen);
    auto overhang = [&](const LayoutSetup& s, const std::string& file, int edge) {
        for (const sim::Overhang& o : check.offScreen(s, screen).images)
            if (o.reportPath == file) return o.pixels[edge];
        return 0;
    };
    // On the rpm dial: 0.35 of a side, its point (0.6, 0.65) on the dial's centre at +178.
    LayoutSetup dial;
    dial.profile.rpm = 1;
    expectPixels(overhang(dial, "Velquist/GearNumbers/Gear1.png", sim::edgeBottom),
                 (178 + 0.35 * 0.35 * 1024 - 250) * u, "gear on the rpm dial");
    // Beside the LEDs: 0.4 of a side centred on the velocity gauge, within 250 units.
    LayoutSetup leds;
    leds.profile.rpm = 2;
    EXPECT_EQ(overhang(leds, "Velquist/GearNumbers/Gear1.png", sim::edgeBottom), 0);
    // The LED row 2 units per step of ledsOffsetY below the centre, LEDs 0.07 of a side.
    leds.profile.ledsOffsetY = 1000;
    expectPixels(overhang(leds, "Velquist/Rpm/LedOn.png", sim::edgeBottom),
                 (2 * 1000 + 0.035 * 1024 - 250) * u, "LEDs");
    // Nine LEDs 50 units apart: the last one's right edge 4 x 50 + 36 units right.
    leds.profile.ledsOffsetY = 70;
    leds.profile.ledsOffsetX = 200;  // 400 units
    expectPixels(overhang(leds, "Velquist/Rpm/LedOn.png", sim::edgeRight),
                 (400 + 4 * 50 + 0.035 * 1024 - roomRight) * u, "LEDs to the right");
}

TEST_F(LayoutFolder, GaugesThatOverlapAreCountedInPixels) {
    blankEveryImage();
    // The velocity face: a box 300 units right of its centre and 400 up; the fuel scale's
    // lower-left quadrant, which the fuel gauge at (+381, -496) puts from -131 to 381 units
    // across and -496 to +16 down.
    planted_images::writeBox(data() / "Velocity" / "LinKmhFast.png", 1024, 1024, 512, 112, 812,
                             512);
    planted_images::writeBox(data() / "Fuel" / "ExtFuelCokeScale.png", 512, 512, 0, 256, 256, 512);
    // Shadows and the damage glow are no gauge's face: they overlap nothing.
    planted_images::writeBox(data() / "Shadow" / "ShadowMain.png", 64, 64, 0, 0, 64, 64);
    planted_images::writeBox(data() / "Shadow" / "ShadowAbove.png", 64, 64, 0, 0, 64, 64);
    planted_images::writeBox(data() / "Damage.png", 64, 64, 0, 0, 64, 64);
    sim::LayoutCheck check(game());
    const Screen screen = sim::commonScreens()[2];
    const sim::Overlaps o = check.overlaps(LayoutSetup{}, screen);
    ASSERT_EQ(o.gauges.size(), 1u);
    const sim::GaugeOverlap& g = o.gauges[0];
    EXPECT_EQ(g.first, sim::Gauge::velocity);
    EXPECT_EQ(g.second, sim::Gauge::fuel);
    EXPECT_EQ(g.firstFile, "Velquist/Velocity/LinKmhFast.png");
    EXPECT_EQ(g.secondFile, "Velquist/Fuel/ExtFuelCokeScale.png");
    EXPECT_EQ(g.pairPixels, g.pixels);
    // Both boxes share 0..300 units across and -400..0 down: 300 x 400 units, give or take
    // a row and a column of pixels for where the boxes fall on the pixel grid.
    const double u = unitPixels(screen);
    const double w = 300 * u, h = 400 * u;
    EXPECT_GE(g.pixels, static_cast<long long>((w - 1) * (h - 1)));
    EXPECT_LE(g.pixels, static_cast<long long>((w + 1) * (h + 1)));
    EXPECT_TRUE(o.needles.empty());

    // With the second gauge above, the fuel gauge goes left and the faces part.
    LayoutSetup above;
    above.profile.isExtraGaugeLeft = 0;
    EXPECT_TRUE(check.overlaps(above, screen).gauges.empty());
}

TEST_F(LayoutFolder, ANeedleSweepingOverTheLabelOrLogoIsCaught) {
    blankEveryImage();
    // A needle from the centre straight up to 400 units; it turns from 247.5 to 450 degrees.
    planted_images::writeBox(data() / "Needles" / "NeedleBigA.png", 1024, 1024, 508, 112, 516, 512);
    // The label up and right of the centre, where the needle passes.
    planted_images::writeBox(data() / "Velocity" / "TextKmh.png", 1024, 1024, 600, 300, 700, 340);
    // The logo low and right, where it never does.
    planted_images::writeBox(data() / "Brands" / "Generic.png", 1024, 1024, 600, 700, 700, 740);
    sim::LayoutCheck check(game());
    const sim::Overlaps o = check.overlaps(LayoutSetup{}, sim::commonScreens()[2]);
    ASSERT_EQ(o.needles.size(), 1u);
    EXPECT_EQ(o.needles[0].reportPath, "Velquist/Velocity/TextKmh.png");
    EXPECT_EQ(o.needles[0].needle, sim::ImageRole::velocityNeedle);
    // The whole label lies within the needle's reach (193 to 283 units from the centre, at
    // angles the needle passes): every pixel of it, give or take its edge.
    const double u = unitPixels(sim::commonScreens()[2]);
    EXPECT_NEAR(static_cast<double>(o.needles[0].pixels), 100 * 40 * u * u, 100 * u + 40 * u + 1);
    EXPECT_TRUE(o.gauges.empty());
}

// [SECTION] Placements that fit

// Whether every set-up of the profile is on the screen at a placement.
bool onScreen(sim::LayoutCheck& check, const ProfileSettings& p, const Screen& screen) {
    for (const LayoutSetup& s : sim::profileSetups(p))
        if (!check.offScreen(s, screen).onScreen()) return false;
    return true;
}

sim::ClusterReach reachOf(sim::LayoutCheck& check, const ProfileSettings& p, const Screen& screen) {
    sim::ClusterReach reach;
    for (const LayoutSetup& s : sim::profileSetups(p))
        reach.add(check.offScreen(s, screen).reach);
    return reach;
}

TEST_F(LayoutFolder, SuggestedMainOffsetsAreTheNearestThatFit) {
    sim::LayoutCheck check(game());
    ProfileSettings p;
    p.mainOffsetX = 990;
    for (const Screen& screen : madeForScreens()) {
        const sim::PlacementFix fix = sim::fixPlacement(reachOf(check, p, screen), p, screen);
        ASSERT_TRUE(fix.offsetsFit) << sim::screenTitle(screen);
        EXPECT_LT(fix.mainOffsetX, 990);
        ProfileSettings moved = p;
        moved.mainOffsetX = fix.mainOffsetX;
        moved.mainOffsetY = fix.mainOffsetY;
        EXPECT_TRUE(onScreen(check, moved, screen)) << sim::screenTitle(screen);
        // One step back towards the profile's own value, the cluster runs off again.
        moved.mainOffsetX = fix.mainOffsetX + 1;
        EXPECT_FALSE(onScreen(check, moved, screen)) << sim::screenTitle(screen);
    }
}

TEST_F(LayoutFolder, SuggestedHudSizeIsTheLargestThatFits) {
    sim::LayoutCheck check(game());
    ProfileSettings p;
    p.hudSize = 200;  // four times the area: off the top and the left
    const Screen screen = sim::commonScreens()[2];
    EXPECT_FALSE(onScreen(check, p, screen));
    const sim::PlacementFix fix = sim::fixPlacement(reachOf(check, p, screen), p, screen);
    ASSERT_TRUE(fix.sizeFits);
    ASSERT_LT(fix.hudSize, 200);
    ProfileSettings smaller = p;
    smaller.hudSize = fix.hudSize;
    EXPECT_TRUE(onScreen(check, smaller, screen)) << fix.hudSize;
    smaller.hudSize = fix.hudSize + 1;
    EXPECT_FALSE(onScreen(check, smaller, screen)) << fix.hudSize;

    // A cluster larger than the screen fits at no Main Offset.
    sim::ClusterReach huge;
    for (double& e : huge.edge)
        e = 4;
    EXPECT_FALSE(sim::fixPlacement(huge, p, screen).offsetsFit);
}

}  // namespace
