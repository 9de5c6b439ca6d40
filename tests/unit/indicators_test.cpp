// The indicators: how many LEDs light and when the row blinks, the gear digit and the
// shift hints, the damage flash's levels and swing, the vertical-speed and fuel needles,
// and where each one is drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <tuple>

#include "hud/brand_logo.h"
#include "hud/damage_flash.h"
#include "hud/fuel_gauge.h"
#include "hud/gear_indicator.h"
#include "hud/hud_state.h"
#include "hud/rpm_leds.h"
#include "hud/vertical_gauge.h"
#include "settings/general_settings.h"
#include "support/hud_fixture.h"
#include "telemetry/vehicle_sample.h"

using namespace velquist;
using testing_host::host;

namespace {

using RpmLedsTest = testing_host::HudTest;
using GearIndicatorTest = testing_host::HudTest;
using DamageFlashTest = testing_host::HudTest;
using VerticalGaugeTest = testing_host::HudTest;
using FuelGaugeTest = testing_host::HudTest;
using BrandLogoTest = testing_host::HudTest;

TEST(LedLitCountTest, TwoLightJustAbovePointOneAllNineAtFullRpm) {
    EXPECT_EQ(ledLitCount(0.1f), 0.0f);
    EXPECT_EQ(ledLitCount(-1.0f), 0.0f);
    EXPECT_EQ(ledLitCount(std::numeric_limits<float>::quiet_NaN()), 0.0f);
    const float justAbove = ledLitCount(0.1001f);
    EXPECT_GT(justAbove, 1.0f);
    EXPECT_LE(justAbove, 2.0f);
    EXPECT_FLOAT_EQ(ledLitCount(1.0f), 9.1f);
    // LED n lights once the count exceeds n - 1.
    const float thresholds[] = {0.382f, 0.549f, 0.662f, 0.750f, 0.823f, 0.887f, 0.944f};
    for (int i = 0; i < 7; ++i) {
        EXPECT_LT(ledLitCount(thresholds[i] - 0.002f), static_cast<float>(i + 2)) << i;
        EXPECT_GT(ledLitCount(thresholds[i] + 0.002f), static_cast<float>(i + 2)) << i;
    }
}

TEST_F(RpmLedsTest, EachLedClearsTheOtherImageThenDrawsItsOwn) {
    hud.dayBrightness = 1.0f;
    hud.fadeAlpha = 1.0f;
    sample.rpmFraction = 0.5f;  // 3.99: three lit
    drawRpmLeds();
    ASSERT_EQ(host.draws.size(), 18u);
    for (int i = 0; i < 9; ++i) {
        const auto& clear = host.draws[2 * static_cast<size_t>(i)];
        const auto& led = host.draws[2 * static_cast<size_t>(i) + 1];
        const bool lit = i < 3;
        EXPECT_EQ(clear.id, lit ? textures.ledOff : textures.ledOn) << i;
        EXPECT_EQ(clear.index, i);
        EXPECT_EQ(clear.a, 0.0f);
        EXPECT_EQ(led.id, lit ? textures.ledOn : textures.ledOff) << i;
        EXPECT_EQ(led.index, i);
        EXPECT_EQ(led.level, -9994);
        EXPECT_FLOAT_EQ(led.sizeX, 0.07f * layout.spriteSize);
        EXPECT_FLOAT_EQ(led.posX, layout.ledStartX + static_cast<float>(i) * layout.ledStep);
        EXPECT_EQ(led.posY, layout.ledY);
        EXPECT_EQ(led.r, extended.ledColour[i][0]);
        EXPECT_EQ(led.g, extended.ledColour[i][1]);
        EXPECT_FLOAT_EQ(led.a, 0.9f);
    }
}

TEST_F(RpmLedsTest, AShiftHintDarkensTheRowForTheFirstHalfOfEach200ms) {
    sample.rpmFraction = 1.0f;
    sample.shiftUpHint = true;
    auto lit = [&](uint32_t tick) {
        host.tick = tick;
        testing_host::clearDraws();
        drawRpmLeds();
        return std::count_if(host.draws.begin(), host.draws.end(), [](const auto& d) {
            return d.id == textures.ledOn && d.level == -9994;
        });
    };
    EXPECT_EQ(lit(100000), 0);
    EXPECT_EQ(lit(100099), 0);
    EXPECT_EQ(lit(100100), 9);
    EXPECT_EQ(lit(100199), 9);
    profile.gear = 0;  // the hints belong to the gear indicator
    EXPECT_EQ(lit(100000), 9);
}

TEST_F(GearIndicatorTest, InTheDialsMiddleBesideTheLedsOnTheRpmDialOtherwise) {
    hud.dayBrightness = 1.0f;
    hud.fadeAlpha = 1.0f;
    sample.gear = -1;
    profile.rpm = 2;
    drawGearIndicator();
    ASSERT_EQ(host.draws.size(), 1u);
    auto d = host.draws[0];
    EXPECT_EQ(d.id, textures.gearDigits[0]);
    EXPECT_EQ(d.level, -9993);
    EXPECT_FLOAT_EQ(d.sizeX, 0.4f * layout.spriteSize);
    EXPECT_EQ(d.sizeY, d.sizeX);
    EXPECT_EQ(d.centerX, 0.5f);
    EXPECT_EQ(d.posX, layout.mainX);
    testing_host::clearDraws();
    sample.gear = 8;
    profile.rpm = 1;
    drawGearIndicator();
    d = host.draws[0];
    EXPECT_EQ(d.id, textures.gearDigits[9]);
    EXPECT_FLOAT_EQ(d.sizeY, 0.35f * layout.spriteSize);
    EXPECT_EQ(d.centerX, 0.6f);
    EXPECT_EQ(d.centerY, 0.65f);
    EXPECT_EQ(d.posX, layout.extraX);
    EXPECT_EQ(d.posY, layout.extraY);
}

TEST_F(GearIndicatorTest, OnTheRpmDialTheDigitBlinksAndTheHintsStay) {
    sample.gear = 3;
    sample.shiftDownHint = true;
    profile.rpm = 1;
    host.tick = 100050;
    drawGearIndicator();
    ASSERT_EQ(host.draws.size(), 2u);
    EXPECT_EQ(host.draws[0].id, textures.gearDigits[4]);
    EXPECT_EQ(host.draws[0].level, -9999);  // cleared
    EXPECT_EQ(host.draws[0].a, 0.0f);
    EXPECT_EQ(host.draws[0].posX, 0.0f);
    EXPECT_EQ(host.draws[1].id, textures.shiftDownImage);
    EXPECT_EQ(host.draws[1].level, -9993);
    testing_host::clearDraws();
    host.tick = 100150;
    sample.shiftUpHint = true;
    drawGearIndicator();
    ASSERT_EQ(host.draws.size(), 3u);
    EXPECT_EQ(host.draws[0].level, -9993);
    EXPECT_EQ(host.draws[2].id, textures.shiftUpImage);
    // Beside the LEDs the digit stays.
    testing_host::clearDraws();
    host.tick = 100050;
    profile.rpm = 2;
    drawGearIndicator();
    EXPECT_EQ(host.draws[0].level, -9993);
}

TEST_F(DamageFlashTest, LevelsFollowTheEngineHealth) {
    auto levels = [](float health) {
        sample.engineHealth = health;
        updateDamageTargets();
        return std::make_pair(hud.damageHigh, hud.damageLow);
    };
    hud.damageLevel = 0.4f;
    EXPECT_EQ(levels(1000.0f), std::make_pair(0.0f, 0.0f));
    EXPECT_EQ(hud.damageLevel, 0.0f);
    EXPECT_EQ(levels(800.1f), std::make_pair(0.0f, 0.0f));
    auto [high, low] = levels(800.0f);
    EXPECT_EQ(high, 0.0f);
    EXPECT_NEAR(low, -0.6667f, 1e-4);
    std::tie(high, low) = levels(300.0f);
    EXPECT_FLOAT_EQ(high, 0.4375f);
    EXPECT_EQ(low, 0.0f);
    EXPECT_EQ(levels(0.0f), std::make_pair(0.7f, 0.7f));
    EXPECT_EQ(levels(-3000.0f), std::make_pair(0.7f, 0.7f));
    profile.dmgIntensity = 50;
    deriveDisplaySettings();
    EXPECT_EQ(levels(0.0f), std::make_pair(0.35f, 0.35f));
    std::tie(high, low) = levels(800.0f);
    EXPECT_NEAR(low, -0.3333f, 1e-4);
}

// Refreshes of 16 ms at 800 health until the level has turned down, up and down again;
// returns the ms from the first downward turn to the second.
int cycleMs() {
    sample.engineHealth = 800.0f;
    updateDamageTargets();
    schedule.refreshElapsed = 16;
    int ms = 0, turns = 0, since = 0;
    bool rising = hud.damageRising;
    while (turns < 3 && ms < 10000) {
        stepDamageFlash();
        ms += 16;
        if (hud.damageRising != rising) {
            rising = hud.damageRising;
            if (!rising && ++turns == 1) since = ms;
            if (!rising && turns == 2) return ms - since;
        }
    }
    return -1;
}

TEST_F(DamageFlashTest, SwingsBetweenItsLevelsAndTwiceAsFastAtDouble) {
    const int normal = cycleMs();
    EXPECT_NEAR(normal, 2250, 80);  // 1 s up, 1.25 s down, give or take the turns
    hud = HudState{};
    profile.dmgFrequency = 200;
    deriveDisplaySettings();
    EXPECT_NEAR(cycleMs(), normal / 2, 48);
}

TEST_F(DamageFlashTest, StaysWithinOneStepOfItsLevels) {
    sample.engineHealth = 500.0f;
    updateDamageTargets();
    schedule.refreshElapsed = 16;
    const float step = 0.016f * (hud.damageHigh - hud.damageLow);
    for (int i = 0; i < 500; ++i) {
        stepDamageFlash();
        ASSERT_LE(hud.damageLevel, hud.damageHigh + step);
        ASSERT_GE(hud.damageLevel, hud.damageLow - step);
    }
}

TEST_F(DamageFlashTest, ALongGapMovesItNoFurtherThanAQuarterSecond) {
    sample.engineHealth = 800.0f;
    updateDamageTargets();
    schedule.refreshElapsed = 100000;  // the first refresh after start
    stepDamageFlash();
    EXPECT_NEAR(hud.damageLevel, 0.25f * 0.6667f, 1e-4);
    EXPECT_FALSE(hud.damageRising);
}

TEST_F(DamageFlashTest, SteadyWhenTheLevelsMeetAndDrawnRedAtItsStrength) {
    sample.engineHealth = 0.0f;
    updateDamageTargets();
    stepDamageFlash();
    EXPECT_EQ(hud.damageLevel, 0.7f);
    hud.dayBrightness = 1.1f;
    hud.fadeAlpha = 0.5f;
    drawDamageFlash();
    ASSERT_EQ(host.draws.size(), 1u);
    const auto& d = host.draws[0];
    EXPECT_EQ(d.id, textures.damageImage);
    EXPECT_EQ(d.level, -9996);
    EXPECT_EQ(d.r, 1.0f);
    EXPECT_EQ(d.g, 0.0f);
    EXPECT_EQ(d.b, 0.0f);
    EXPECT_FLOAT_EQ(d.a, 1.1f * 0.9f * 0.7f * 0.5f);
    // Below zero it is passed on as it is.
    hud.damageLevel = -0.5f;
    drawDamageFlash();
    EXPECT_LT(host.draws[1].a, 0.0f);
}

TEST_F(VerticalGaugeTest, NeedleStepsByTheRefreshSettingTowardsTheLogScale) {
    sample.verticalSpeed = -5.0f;
    general.refreshInterval = 20;
    hud.verticalNeedle = 0.895f;
    stepVerticalNeedle();
    EXPECT_FLOAT_EQ(hud.verticalNeedle, 0.875f);
    for (int i = 0; i < 10; ++i)
        stepVerticalNeedle();
    EXPECT_NEAR(hud.verticalNeedle, 0.8255f, 1e-4);
}

TEST_F(VerticalGaugeTest, NeedleFaceAndShadowAtTheSecondPlace) {
    hud.dayBrightness = 1.0f;
    hud.fadeAlpha = 1.0f;
    hud.verticalNeedle = 0.9f;
    drawVerticalGauge();
    ASSERT_EQ(host.draws.size(), 3u);
    EXPECT_EQ(host.draws[0].id, textures.needleSmallA);
    EXPECT_EQ(host.draws[0].index, 0);
    EXPECT_EQ(host.draws[0].rotation, 0.9f);
    EXPECT_EQ(host.draws[1].id, textures.verticalDial);
    EXPECT_EQ(host.draws[1].level, -9995);
    EXPECT_EQ(host.draws[2].id, textures.shadowLeft);
    EXPECT_FLOAT_EQ(host.draws[2].a, 0.3f);
    for (const auto& d : host.draws)
        EXPECT_EQ(d.posY, layout.extraY);
}

TEST_F(FuelGaugeTest, NeedleFollowsTheFirstValueWhileTheEngineRuns) {
    const int32_t handle = car();
    sample.vehicle = handle;
    sample.fuelLevels[0] = 0.5f;
    schedule.refreshElapsed = 1000;
    stepFuelNeedle();
    EXPECT_FLOAT_EQ(hud.fuelNeedle, 0.75f + 0.5f * 0.295f);
    game->vehicle(handle).engine = false;
    stepFuelNeedle();
    EXPECT_EQ(hud.fuelNeedle, 0.75f);
}

TEST_F(FuelGaugeTest, ImagesReddenBelowHalfNeedleOnInstanceOneShadowOnTheOtherSide) {
    hud.dayBrightness = 1.0f;
    hud.fadeAlpha = 1.0f;
    sample.fuelLevels[0] = 0.25f;
    sample.fuelLevels[1] = 0.5f;
    sample.fuelLevels[2] = 0.0f;
    drawFuelGauge();
    ASSERT_EQ(host.draws.size(), 6u);
    const auto& d = host.draws;
    EXPECT_EQ(d[0].id, textures.fuelImages[0]);
    EXPECT_EQ(d[0].r, 1.0f);
    EXPECT_EQ(d[0].g, 0.5f);
    EXPECT_EQ(d[0].b, 0.5f);
    EXPECT_EQ(d[1].g, 1.0f);
    EXPECT_EQ(d[2].g, 0.0f);
    EXPECT_EQ(d[3].id, textures.fuelScale);
    EXPECT_EQ(d[3].level, -9999);
    EXPECT_EQ(d[4].id, textures.needleSmallA);
    EXPECT_EQ(d[4].index, 1);
    EXPECT_EQ(d[5].id, textures.shadowAbove);  // the second gauge stands left
    for (const auto& draw : d)
        EXPECT_EQ(draw.posX, layout.sideX);
}

TEST_F(BrandLogoTest, TheBrandsLogoFaintOverTheDial) {
    sample.brandIndex = 7;
    textures.brandLogos[7] = 4242;
    hud.dayBrightness = 1.1f;
    hud.fadeAlpha = 1.0f;
    drawBrandLogo();
    ASSERT_EQ(host.draws.size(), 1u);
    EXPECT_EQ(host.draws[0].id, 4242);
    EXPECT_EQ(host.draws[0].level, -9998);
    EXPECT_FLOAT_EQ(host.draws[0].a, 0.9f * 0.5f * 1.1f);
    EXPECT_EQ(host.draws[0].posX, layout.mainX);
}

}  // namespace
