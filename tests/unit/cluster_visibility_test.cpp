// When the cluster shows: the twelve hiding conditions in their order, the fade in and
// out, and the brightness by the time of day.
#include <gtest/gtest.h>

#include <functional>

#include "host/natives.h"
#include "hud/cluster_visibility.h"
#include "hud/hud_state.h"
#include "support/hud_fixture.h"
#include "telemetry/vehicle_sample.h"

using namespace velquist;
using testing_host::host;

namespace {

using FadeTest = testing_host::HudTest;
using DayBrightnessTest = testing_host::HudTest;

class HudHiddenCases : public testing_host::HudTest {
  protected:
    void SetUp() override {
        HudTest::SetUp();
        car();
        refresh();  // the sample knows the player and the car
    }
};

TEST_F(HudHiddenCases, EachConditionAloneHides) {
    EXPECT_FALSE(hudHidden());
    const std::function<void(bool)> conditions[] = {
        [&](bool on) { game->pedExists = !on; },
        [&](bool on) { game->control = !on; },
        [&](bool on) { game->dead = on; },
        [&](bool on) { game->arrested = on; },
        [&](bool on) { game->phone = on; },
        [&](bool on) { game->inUse = on ? 0 : sample.vehicle; },
        [&](bool on) { on ? void(game->hudShown.insert(6)) : void(game->hudShown.erase(6)); },
        [&](bool on) { on ? void(game->disabled.insert(107)) : void(game->disabled.erase(107)); },
        [&](bool on) { game->viewMode = on ? 4 : 0; },
        [&](bool on) {
            sample.isPassenger = on;
            profile.passenger = on ? 0 : 1;
        },
        [&](bool on) {
            if (on) {
                game->pressed.insert(19);
                game->hudShown.insert(3);
            } else {
                game->pressed.erase(19);
                game->hudShown.erase(3);
            }
        },
        [&](bool on) { sample.engineHealth = on ? -4000.0f : 1000.0f; },
    };
    int n = 0;
    for (const auto& condition : conditions) {
        condition(true);
        EXPECT_TRUE(hudHidden()) << "condition " << n + 1;
        condition(false);
        EXPECT_FALSE(hudHidden()) << "condition " << n + 1;
        ++n;
    }
}

TEST_F(HudHiddenCases, ConditionsThatOnlyHideTogetherOrWithoutTheirSetting) {
    game->disabled.insert(107);
    game->pressed.insert(106);  // held: the map control keeps the cluster
    EXPECT_FALSE(hudHidden());
    game->pressed.insert(19);  // the wheel alone
    EXPECT_FALSE(hudHidden());
    game->viewMode = 4;
    profile.fpv = 1;
    EXPECT_FALSE(hudHidden());
    sample.isPassenger = true;
    EXPECT_FALSE(hudHidden());  // passenger on by default
    sample.engineHealth = -3999.0f;
    EXPECT_FALSE(hudHidden());
}

TEST_F(HudHiddenCases, StopsAtTheFirstConditionThatHolds) {
    game->pedExists = false;
    game->dead = true;
    game->clearCalls();
    EXPECT_TRUE(hudHidden());
    ASSERT_EQ(host.natives.size(), 1u);
    EXPECT_EQ(host.natives[0].hash, natives::doesEntityExist);
    game->pedExists = true;
    game->clearCalls();
    EXPECT_TRUE(hudHidden());
    EXPECT_EQ(host.natives.size(), 3u);  // exists, control, dead
}

TEST_F(FadeTest, OutIn500msInIn2000ms) {
    car();
    refresh();
    hud.fadeAlpha = 0.0f;
    int refreshes = 0;
    while (hud.fadeAlpha < 1.0f && refreshes < 1000) {
        schedule.refreshElapsed = 10;
        EXPECT_TRUE(stepFade());
        ++refreshes;
    }
    EXPECT_NEAR(refreshes * 10, 2000, 10);
    game->inUse = 0;
    refreshes = 0;
    schedule.refreshElapsed = 10;
    while (stepFade())
        ++refreshes;
    EXPECT_EQ(hud.fadeAlpha, 0.0f);
    EXPECT_NEAR(refreshes * 10, 500, 10);  // the step that reaches 0 draws nothing
    EXPECT_FALSE(stepFade());
}

TEST_F(FadeTest, ALongGapShowsFullyButNeverMore) {
    car();
    refresh();
    hud.fadeAlpha = 0.2f;
    schedule.refreshElapsed = 100000;
    EXPECT_TRUE(stepFade());
    EXPECT_EQ(hud.fadeAlpha, 1.0f);
}

TEST_F(DayBrightnessTest, DimAtNightRampsAtDawnAndDusk) {
    auto at = [&](int h, int m) {
        game->hours = h;
        game->minutes = m;
        updateDayBrightness();
        return hud.dayBrightness;
    };
    EXPECT_EQ(at(0, 0), 0.8f);
    EXPECT_EQ(at(3, 59), 0.8f);
    EXPECT_EQ(at(4, 0), 0.8f);
    EXPECT_FLOAT_EQ(at(6, 0), 0.95f);
    EXPECT_FLOAT_EQ(at(7, 30), 1.0625f);
    EXPECT_EQ(at(8, 0), 1.1f);
    EXPECT_EQ(at(17, 59), 1.1f);
    EXPECT_FLOAT_EQ(at(20, 0), 0.95f);
    EXPECT_EQ(at(22, 0), 0.8f);
    EXPECT_EQ(at(23, 59), 0.8f);
    EXPECT_EQ(at(-3, 0), 0.8f);  // a clock the game should never show
    EXPECT_EQ(at(99, 0), 0.8f);
}

}  // namespace
