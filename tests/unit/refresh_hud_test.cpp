// One HUD refresh as a whole: what it draws in which order for each kind and seat, the
// conventions every draw follows, the slow work of every 100th refresh, the needle colour,
// and the cluster's state on a vehicle change.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hud/hud_draw.h"
#include "hud/hud_state.h"
#include "support/hud_fixture.h"
#include "telemetry/vehicle_sample.h"

using namespace velquist;
using testing_host::host;

namespace {

using RefreshCompositionTest = testing_host::HudTest;
using DrawConventionTest = testing_host::HudTest;
using SlowRefreshTest = testing_host::HudTest;
using NeedleColourTest = testing_host::HudTest;
using ClusterVehicleChangeTest = testing_host::HudTest;

// The textures of the draws of the last refresh, as names of TextureSet members.
std::vector<std::string> drawn() {
    const TextureSet& t = textures;
    std::vector<std::string> out;
    for (const auto& d : host.draws) {
        std::string name = "?";
        if (d.id == t.shadowMain) name = "shadowMain";
        if (d.id == t.shadowLeft) name = "shadowLeft";
        if (d.id == t.shadowAbove) name = "shadowAbove";
        for (int32_t face : t.rpmDials)
            if (d.id == face) name = "rpmDial";
        if (d.id == t.rpmText) name = "rpmText";
        if (d.id == t.ledOn) name = "ledOn";
        if (d.id == t.ledOff) name = "ledOff";
        for (const auto& units : t.velocityDials)
            for (const auto& variants : units)
                for (int32_t face : variants)
                    if (face != 0 && d.id == face) name = "velocityDial";
        for (int32_t label : t.unitTexts)
            if (d.id == label) name = "unitText";
        for (int32_t digit : t.gearDigits)
            if (d.id == digit) name = "gearDigit";
        if (d.id == t.needleBigA) name = "needleBigA";
        if (d.id == t.needleSmallA) name = "needleSmallA";
        if (d.id == t.needleSmallB) name = "needleSmallB";
        if (d.id == t.damageImage) name = "damage";
        if (d.id == t.verticalDial) name = "verticalDial";
        if (d.id == t.fuelScale) name = "fuelScale";
        for (int32_t image : t.fuelImages)
            if (d.id == image) name = "fuelImage";
        if (d.id == t.brandLogos[0]) name = "brand";
        out.push_back(name);
    }
    return out;
}

const std::vector<std::string> velocityGauge = {"shadowMain", "velocityDial", "unitText",
                                                "needleBigA", "damage",       "brand"};

using Names = std::vector<std::string>;

// The velocity gauge's draws followed by others.
Names velocityGaugeThen(const Names& more) {
    Names all = velocityGauge;
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

TEST_F(RefreshCompositionTest, ACarWithTheDefaultProfile) {
    textures.brandLogos[0] = 9000;
    car();
    refresh(2);
    testing_host::clearDraws();
    refresh();
    EXPECT_EQ(drawn(),
              velocityGaugeThen({"rpmDial", "rpmText", "needleSmallB", "shadowLeft", "gearDigit"}));
}

TEST_F(RefreshCompositionTest, FuelGaugeWithAFuelDecoratorOnTheVehicle) {
    textures.brandLogos[0] = 9000;
    const int32_t handle = car();
    game->vehicle(handle).floatDecorators["WeedInPossession"] = 0.5f;
    profile.rpm = 0;
    refresh(2);
    testing_host::clearDraws();
    refresh();
    EXPECT_EQ(drawn(), velocityGaugeThen({"fuelImage", "fuelImage", "fuelImage", "fuelScale",
                                          "needleSmallA", "shadowAbove"}));
}

TEST_F(RefreshCompositionTest, APassengerSeesNoEngineGauges) {
    const int32_t handle = car();
    game->vehicle(handle).driver = 0x0202;
    profile.dmg = 0;
    profile.brand = 0;
    refresh(10);  // the seat is tested on the 10th
    testing_host::clearDraws();
    refresh();
    EXPECT_EQ(drawn(),
              (std::vector<std::string>{"shadowMain", "velocityDial", "unitText", "needleBigA"}));
}

TEST_F(RefreshCompositionTest, APlaneShowsItsVerticalSpeedAndNoCarGauges) {
    car(16);
    profile.dmg = 0;
    profile.brand = 0;
    refresh();
    testing_host::clearDraws();
    refresh();
    EXPECT_EQ(drawn(),
              (std::vector<std::string>{"shadowMain", "velocityDial", "unitText", "needleBigA",
                                        "needleSmallA", "verticalDial", "shadowLeft"}));
    profile.vertical = 0;
    testing_host::clearDraws();
    refresh();
    EXPECT_EQ(drawn().size(), 4u);
}

TEST_F(RefreshCompositionTest, AKindSwitchedOffDrawsNothingAndKeepsItsFade) {
    car();
    refresh(3);
    const float fade = hud.fadeAlpha;
    profile.isEnabledInCar = 0;
    testing_host::clearDraws();
    refresh();
    EXPECT_TRUE(host.draws.empty());
    EXPECT_GT(hud.fadeAlpha, fade);  // the fade goes on
    profile.isEnabledInCar = 1;
    refresh();
    EXPECT_FALSE(host.draws.empty());
}

TEST_F(RefreshCompositionTest, OnFootNothingIsDrawnOnceFadedOut) {
    refresh(5);
    EXPECT_TRUE(host.draws.empty());
}

TEST_F(DrawConventionTest, EveryDrawLastsItsTimeOnTheAspectFactor) {
    layout.aspectRatio = 1.6f;
    const int32_t handle = car();
    game->vehicle(handle).floatDecorators["CokeInPossession"] = 0.5f;
    profile.rpm = 2;
    refresh(3);
    ASSERT_FALSE(host.draws.empty());
    for (const auto& d : host.draws) {
        EXPECT_EQ(d.time, 150);
        EXPECT_EQ(d.aspect, 1.6f);
        EXPECT_EQ(d.sizeX, d.sizeY);
        const bool smaller = d.id == textures.ledOn || d.id == textures.ledOff ||
                             (d.id >= textures.gearDigits[0] && d.id <= textures.shiftUpImage);
        if (!smaller) {
            EXPECT_EQ(d.sizeX, layout.spriteSize);
        }
    }
}

TEST_F(DrawConventionTest, ClearingAnInstanceDrawsItInvisibleAtTheBack) {
    layout.aspectRatio = 1.25f;
    clearTextureSlot(77, 4);
    ASSERT_EQ(host.draws.size(), 1u);
    const auto& d = host.draws[0];
    EXPECT_EQ(d.id, 77);
    EXPECT_EQ(d.index, 4);
    EXPECT_EQ(d.level, -9999);
    EXPECT_EQ(d.time, 150);
    EXPECT_EQ(d.sizeX, layout.spriteSize);
    EXPECT_EQ(d.centerX, 0.5f);
    EXPECT_EQ(d.posX, 0.0f);
    EXPECT_EQ(d.posY, 0.0f);
    EXPECT_EQ(d.aspect, 1.25f);
    EXPECT_EQ(d.r, 1.0f);
    EXPECT_EQ(d.a, 0.0f);
}

TEST_F(SlowRefreshTest, The100thRefreshLightsTheClusterAndReadsTheScreen) {
    game->aspectRatio = 2.0f;
    game->hours = 20;
    car();
    refresh(98);
    EXPECT_EQ(hud.dayBrightness, 0.0f);
    EXPECT_EQ(layout.aspectRatio, 1.0f);
    EXPECT_EQ(host.draws.back().a, 0.0f);
    const float mainY = layout.mainY;
    testing_host::clearDraws();
    refresh(2);  // the 99th and the 100th
    EXPECT_FLOAT_EQ(hud.dayBrightness, 0.95f);
    EXPECT_EQ(layout.aspectRatio, 2.0f);
    EXPECT_NE(layout.mainY, mainY);  // the layout follows the screen
    EXPECT_EQ(host.draws.front().aspect, 1.0f);
    EXPECT_EQ(host.draws.back().aspect, 2.0f);
    EXPECT_GT(host.draws.back().a, 0.0f);
}

TEST_F(SlowRefreshTest, AnAspectRatioNoScreenHasLeavesTheLayoutUsable) {
    game->aspectRatio = std::numeric_limits<float>::quiet_NaN();
    lightUp();
    EXPECT_EQ(layout.aspectRatio, 1.0f);
}

TEST_F(NeedleColourTest, TheCarsColourOnlyWhenAcceptedAndWanted) {
    const int32_t handle = car();
    game->vehicle(handle).colour[2] = 255;  // pure blue
    refresh(10);
    EXPECT_EQ(hud.needleColour[0], 0.0f);
    EXPECT_EQ(hud.needleColour[2], 1.0f);
    profile.usePrimColor = 0;  // also: no further tests of the colour
    refresh();
    EXPECT_EQ(hud.needleColour[0], 1.0f);
    EXPECT_FLOAT_EQ(hud.needleColour[1], 25.0f / 255.0f);
    game->vehicle(handle).colour[2] = 0;
    profile.usePrimColor = 1;
    refresh(10);
    EXPECT_EQ(hud.needleColour[0], 1.0f);  // black is too dark
}

TEST_F(ClusterVehicleChangeTest, ANewVehicleStartsFromRestAndFadesIn) {
    hud.velocityNeedle = 1.1f;
    hud.rpmNeedle = 0.9f;
    hud.fuelNeedle = 0.9f;
    hud.dialStep = 2;
    hud.fadeAlpha = 1.0f;
    hud.damageLevel = 0.5f;
    hud.damageRising = false;
    hud.verticalNeedle = 0.8f;
    hud.primaryColourAccepted = true;
    const int32_t handle = car();
    game->vehicle(handle).engine = false;
    profile.usePrimColor = 0;
    profile.dmg = 0;
    testing_host::runRefreshes(1, 0);
    EXPECT_EQ(hud.rpmNeedle, 0.75f);
    EXPECT_EQ(hud.fuelNeedle, 0.75f);
    EXPECT_EQ(hud.dialStep, 0);
    EXPECT_EQ(hud.fadeAlpha, 0.0f);
    EXPECT_EQ(hud.damageLevel, 0.0f);
    EXPECT_FALSE(hud.primaryColourAccepted);
    // kept: the velocity needle swings over, the vertical needle and the swing direction
    EXPECT_EQ(hud.velocityNeedle, 1.1f);
    EXPECT_EQ(hud.verticalNeedle, 0.8f);
    EXPECT_FALSE(hud.damageRising);
}

}  // namespace
