// The velocity and rpm gauges: the dial variant by kind, class and step-ups, the step-up
// itself, the needles' steps, the primary colour test and the gauges' layers.
#include <gtest/gtest.h>

#include "host/natives.h"
#include "hud/hud_state.h"
#include "hud/primary_colour.h"
#include "hud/rpm_gauge.h"
#include "hud/velocity_gauge.h"
#include "support/hud_fixture.h"
#include "telemetry/vehicle_sample.h"

using namespace velquist;
using testing_host::host;

namespace {

using DialVariantTest = testing_host::HudTest;
using DialStepUpTest = testing_host::HudTest;
using VelocityNeedleStepTest = testing_host::HudTest;
using PrimaryColourTest = testing_host::HudTest;
using VelocityGaugeTest = testing_host::HudTest;
using RpmGaugeTest = testing_host::HudTest;

// A vehicle, its dial step and useHighSpeedo, and the dial variant it must get.
struct VariantCase {
    VehicleKind kind;
    int32_t vehicleClass;
    int32_t step;
    bool highSpeedo;
    int32_t variant;
};

void expectVariants(std::initializer_list<VariantCase> cases) {
    for (const VariantCase& c : cases) {
        sample.vehicleKind = c.kind;
        sample.vehicleClass = c.vehicleClass;
        hud.dialStep = c.step;
        profile.useHighSpeedo = c.highSpeedo ? 1 : 0;
        EXPECT_EQ(dialVariant(), c.variant)
            << "kind " << static_cast<int>(c.kind) << ", class " << c.vehicleClass << ", step "
            << c.step << ", high " << c.highSpeedo;
    }
}

TEST_F(DialVariantTest, CarsStartByClassAndStepUp) {
    // useHighSpeedo off: 1 and 3..8 start one up, the rest on the first dial
    expectVariants({{kindCar, 0, 0, false, 0},
                    {kindCar, 1, 0, false, 1},
                    {kindCar, 2, 1, false, 1},
                    {kindCar, 8, 1, false, 2},
                    {kindCar, 9, 0, false, 0},
                    {kindCar, 18, 2, false, 2}});
    // useHighSpeedo on: 6 and 7 on the widest at once, 0..5, 8 and 18 one up
    expectVariants({{kindCar, 6, 0, true, 2},
                    {kindCar, 7, 1, true, 2},
                    {kindCar, 0, 0, true, 1},
                    {kindCar, 18, 0, true, 1},
                    {kindCar, 12, 0, true, 0}});
}

TEST_F(DialVariantTest, NoKindGoesBeyondItsWidestDial) {
    // Switching useHighSpeedo on after two step-ups would ask for a fourth car dial.
    expectVariants({{kindCar, 0, 2, true, 2},
                    {kindCar, 18, 2, true, 2},
                    {kindTrain, 21, 1, false, 1},
                    {kindTrain, 21, 5, false, 1},
                    {kindBoat, 14, 0, true, 1},
                    {kindBoat, 14, 2, false, 0},
                    {kindBicycle, 13, 2, true, 0},
                    {kindPlane, 16, 2, true, 0}});
}

TEST_F(DialStepUpTest, CarNeedsThrottleAndTheEndOfTheScale) {
    sample.vehicleKind = kindCar;
    sample.vehicleClass = 0;
    profile.carUnit = unitMph;
    hud.velocityNeedle = 1.2401f;  // deg2 1.25 less 0.01 is 1.24
    sample.throttle = 0.1f;
    checkDialStepUp();
    EXPECT_EQ(hud.dialStep, 0);
    sample.throttle = 0.11f;
    checkDialStepUp();
    EXPECT_EQ(hud.dialStep, 1);
    // CarMphSlow ends at 1.25 too; CarMphFast is the last
    checkDialStepUp();
    EXPECT_EQ(hud.dialStep, 2);
    checkDialStepUp();
    EXPECT_EQ(hud.dialStep, 2);
    hud.dialStep = 0;
    hud.velocityNeedle = 1.2399f;
    checkDialStepUp();
    EXPECT_EQ(hud.dialStep, 0);
}

TEST_F(DialStepUpTest, TrainStepsOnceWithoutThrottleBoatsNever) {
    sample.vehicleKind = kindTrain;
    sample.throttle = 0.0f;
    hud.velocityNeedle = 1.2001f;  // 1.25 less 0.05
    checkDialStepUp();
    checkDialStepUp();
    EXPECT_EQ(hud.dialStep, 1);
    sample.vehicleKind = kindBoat;
    sample.throttle = 1.0f;
    hud.dialStep = 0;
    hud.velocityNeedle = 2.0f;
    checkDialStepUp();
    EXPECT_EQ(hud.dialStep, 0);
}

TEST_F(VelocityNeedleStepTest, TurnsAtMostTheRateOfTheElapsedTime) {
    sample.vehicleKind = kindCar;
    profile.carUnit = unitMph;
    sample.speed = 60.0f;  // far beyond the end of LinMphFast
    hud.velocityNeedle = 0.6875f;
    schedule.refreshElapsed = 12;
    stepVelocityNeedle();
    EXPECT_FLOAT_EQ(hud.velocityNeedle, 0.6875f + 0.0084f);
    schedule.refreshElapsed = 1000;
    stepVelocityNeedle();
    EXPECT_EQ(hud.velocityNeedle, 1.25f);
    schedule.refreshElapsed = -5;  // no time: no motion
    sample.speed = 0.0f;
    stepVelocityNeedle();
    EXPECT_EQ(hud.velocityNeedle, 1.25f);
}

TEST_F(VelocityNeedleStepTest, SpeedFactorScalesTheReading) {
    sample.vehicleKind = kindCar;
    profile.carUnit = unitMph;
    schedule.refreshElapsed = 100000;
    sample.speed = 60.0f / 2.2369363f;  // 60 mph, half the LinMphFast scale
    stepVelocityNeedle();
    EXPECT_FLOAT_EQ(hud.velocityNeedle, 0.6875f + 0.5f * 0.5625f);
    profile.carFactor = 200;
    deriveDisplaySettings();
    stepVelocityNeedle();
    EXPECT_FLOAT_EQ(hud.velocityNeedle, 1.25f);
}

TEST_F(PrimaryColourTest, OneLeadingChannelIsAcceptedWhiteAndDarkAreNot) {
    const int32_t handle = car(0);
    sample.vehicle = handle;
    auto test = [&](int32_t r, int32_t g, int32_t b) {
        game->vehicle(handle).colour[0] = r;
        game->vehicle(handle).colour[1] = g;
        game->vehicle(handle).colour[2] = b;
        testPrimaryColour();
        return hud.primaryColourAccepted;
    };
    EXPECT_FALSE(test(255, 255, 255));
    EXPECT_FLOAT_EQ(hud.primaryColour[0], 1.0f);  // scaled back to 1
    EXPECT_TRUE(test(255, 0, 0));
    EXPECT_FLOAT_EQ(hud.primaryColour[0], 1.0f);
    EXPECT_FALSE(test(30, 0, 0));  // 0.33, mean 0.11
    EXPECT_NEAR(hud.primaryColour[0], 0.3294f, 1e-4);
    EXPECT_TRUE(test(255, 255, 0));     // yellow: red leads blue
    EXPECT_FALSE(test(200, 180, 170));  // pale
    EXPECT_TRUE(test(0, 0, 255));
    EXPECT_FLOAT_EQ(hud.primaryColour[2], 1.0f);
    // What the game should never answer counts as the nearest end of 0..255.
    EXPECT_TRUE(test(900, -40, 0));
    EXPECT_FLOAT_EQ(hud.primaryColour[0], 1.0f);
    EXPECT_EQ(hud.primaryColour[1], 0.0f);
}

TEST_F(PrimaryColourTest, ClassesFromTenKeepTheSettingsColourWithoutAsking) {
    const int32_t handle = car(10);
    sample.vehicle = handle;
    sample.vehicleClass = 10;
    game->vehicle(handle).colour[0] = 255;
    hud.primaryColourAccepted = true;
    game->clearCalls();
    testPrimaryColour();
    EXPECT_FALSE(hud.primaryColourAccepted);
    EXPECT_EQ(game->calls(natives::customPrimaryColour), 0);
}

TEST_F(VelocityGaugeTest, FourLayersAtTheMainPlace) {
    sample.vehicleKind = kindCar;
    hud.dayBrightness = 1.1f;
    hud.fadeAlpha = 0.5f;
    hud.velocityNeedle = 0.9f;
    hud.needleColour[0] = 0.25f;
    drawVelocityGauge();
    ASSERT_EQ(host.draws.size(), 4u);
    const auto& d = host.draws;
    EXPECT_EQ(d[0].id, textures.shadowMain);
    EXPECT_EQ(d[0].level, -9999);
    EXPECT_FLOAT_EQ(d[0].a, 1.1f * 0.3f * 0.5f);
    EXPECT_EQ(d[1].id, textures.velocityDials[kindCar][unitKmh][0]);
    EXPECT_EQ(d[1].level, -9995);
    EXPECT_EQ(d[2].id, textures.unitTexts[unitKmh]);
    EXPECT_EQ(d[2].level, -9997);
    EXPECT_EQ(d[3].id, textures.needleBigA);
    EXPECT_EQ(d[3].level, -9992);
    EXPECT_EQ(d[3].rotation, 0.9f);
    EXPECT_EQ(d[3].r, 0.25f);
    for (const auto& draw : d) {
        EXPECT_EQ(draw.posX, layout.mainX);
        EXPECT_EQ(draw.posY, layout.mainY);
        EXPECT_EQ(draw.rotation == 0.0f, draw.id != textures.needleBigA);
    }
    EXPECT_FLOAT_EQ(d[1].a, 1.1f * 0.9f * 0.5f);
}

TEST_F(VelocityGaugeTest, ShortNeedleOnlyBesideTheLedsAndGearOfADriversCar) {
    auto needle = [&] {
        testing_host::clearDraws();
        drawVelocityGauge();
        return host.draws.back().id;
    };
    sample.vehicleKind = kindCar;
    profile.rpm = 2;
    EXPECT_EQ(needle(), textures.needleBigB);
    sample.isPassenger = true;
    EXPECT_EQ(needle(), textures.needleBigA);
    sample.isPassenger = false;
    profile.gear = 0;
    EXPECT_EQ(needle(), textures.needleBigA);
    profile.gear = 1;
    profile.rpm = 1;
    EXPECT_EQ(needle(), textures.needleBigA);
    profile.rpm = 2;
    sample.vehicleKind = kindTrain;
    EXPECT_EQ(needle(), textures.needleBigA);
}

TEST_F(RpmGaugeTest, FaceByMaximumRpmNeedleByGearShadowBySide) {
    hud.dayBrightness = 1.0f;
    hud.fadeAlpha = 1.0f;
    hud.rpmNeedle = 0.8f;
    sample.maxRpmThousands = 7.0f;
    drawRpmGauge();
    ASSERT_EQ(host.draws.size(), 4u);
    EXPECT_EQ(host.draws[0].id, textures.rpmDials[3]);  // 8000 rpm face
    EXPECT_EQ(host.draws[0].level, -9999);
    EXPECT_FLOAT_EQ(host.draws[0].a, 0.9f);  // a face, not a shadow
    EXPECT_EQ(host.draws[1].id, textures.rpmText);
    EXPECT_EQ(host.draws[2].id, textures.needleSmallB);
    EXPECT_EQ(host.draws[2].rotation, 0.8f);
    EXPECT_EQ(host.draws[3].id, textures.shadowLeft);
    EXPECT_FLOAT_EQ(host.draws[3].a, 0.3f);
    for (const auto& d : host.draws)
        EXPECT_EQ(d.posX, layout.extraX);

    testing_host::clearDraws();
    profile.gear = 0;
    profile.isExtraGaugeLeft = 0;
    sample.maxRpmThousands = 12.5f;
    drawRpmGauge();
    EXPECT_EQ(host.draws[0].id, textures.rpmDials[6]);
    EXPECT_EQ(host.draws[2].id, textures.needleSmallA);
    EXPECT_EQ(host.draws[3].id, textures.shadowAbove);
}

TEST_F(RpmGaugeTest, NeedleFollowsTheRpmAtTheRateLimit) {
    sample.maxRpmThousands = 7.0f;
    sample.rpmFraction = 1.0f;
    hud.rpmNeedle = 0.75f;
    schedule.refreshElapsed = 16;
    stepRpmNeedle();
    EXPECT_FLOAT_EQ(hud.rpmNeedle, 0.75f + 0.0112f);
    schedule.refreshElapsed = 1000;
    stepRpmNeedle();
    EXPECT_FLOAT_EQ(hud.rpmNeedle, 0.75f + 0.875f * 0.295f);
}

}  // namespace
