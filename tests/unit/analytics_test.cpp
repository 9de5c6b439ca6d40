// The acceleration test's run logic, result key and time cells.
#include <gtest/gtest.h>

#include <string>

#include "analytics/acceleration_test.h"

using namespace velquist;

namespace {

std::string joined(const std::array<std::array<char, 2>, 7>& cells) {
    std::string out;
    for (const auto& c : cells)
        out += std::string(c.data()) + "|";
    return out;
}

class AccelerationRunTest : public ::testing::Test {
  protected:
    void SetUp() override { acceleration = AccelerationTest{}; }
    // Feeds speeds (display units, before the 0.2 offset) one step apart of 100 ms.
    bool feed(std::initializer_list<float> speeds) {
        bool finished = false;
        for (float s : speeds) {
            finished = advanceAccelerationTest(s - 0.2f, previous - 0.2f, now) || finished;
            previous = s;
            now += 100;
        }
        return finished;
    }
    // The test armed in mode 1 (once) or 2 (again and again), from and to speeds in tens.
    static void arm(int32_t mode, int32_t startTens, int32_t stopTens) {
        acceleration.testMode = mode;
        acceleration.startSpeedTens = startTens;
        acceleration.stopSpeedTens = stopTens;
    }
    float previous = 0.0f;
    uint32_t now = 100000;
};

TEST_F(AccelerationRunTest, OffNeverStarts) {
    EXPECT_FALSE(feed({0, 50, 120}));
    EXPECT_FALSE(acceleration.measuring);
}

TEST_F(AccelerationRunTest, ZeroToHundredStartsFromStandstillAndFinishesAboveTheStop) {
    acceleration.testMode = 1;
    feed({0, 0});  // standing still reads -0.2: ready to start
    EXPECT_FALSE(acceleration.measuring);
    feed({3});
    EXPECT_TRUE(acceleration.measuring);
    EXPECT_EQ(acceleration.startTick, 100200u);
    EXPECT_FALSE(feed({40, 99}));
    EXPECT_TRUE(feed({101}));
    EXPECT_EQ(acceleration.endTick, 100500u);
    EXPECT_EQ(acceleration.testMode, 0);  // once: disarmed
    EXPECT_FALSE(acceleration.measuring);
}

TEST_F(AccelerationRunTest, ArmedOnStaysArmedAndRunsAgain) {
    acceleration.testMode = 2;
    feed({0, 5, 120});
    EXPECT_EQ(acceleration.testMode, 2);
    feed({0, 0, 5});
    EXPECT_TRUE(acceleration.measuring);
}

TEST_F(AccelerationRunTest, FallingBelowTheStartDropsTheRun) {
    arm(1, 5, 12);
    feed({40, 55});
    EXPECT_TRUE(acceleration.measuring);
    EXPECT_FALSE(feed({45}));
    EXPECT_FALSE(acceleration.measuring);
    EXPECT_EQ(acceleration.testMode, 1);  // still armed
}

TEST_F(AccelerationRunTest, BrakingRunFinishesWhenTheVehicleStops) {
    arm(1, 10, 0);
    feed({120, 99});
    EXPECT_TRUE(acceleration.measuring);
    EXPECT_FALSE(feed({50, 1}));
    EXPECT_TRUE(feed({0}));  // at rest the speed reads -0.2, below the stop speed 0
}

TEST_F(AccelerationRunTest, EqualStartAndStopNeverStartsNorEnds) {
    acceleration.testMode = 2;
    acceleration.startSpeedTens = acceleration.stopSpeedTens = 5;
    feed({0, 60, 0, 60});
    EXPECT_FALSE(acceleration.measuring);
    // Edited to equal speeds during a run: the run goes on.
    acceleration.stopSpeedTens = 10;
    feed({0, 55});
    acceleration.stopSpeedTens = 5;
    EXPECT_FALSE(feed({200, 0}));
    EXPECT_TRUE(acceleration.measuring);
}

TEST(AccelerationResultKey, PadsEachSpeedToThreeCharacters) {
    EXPECT_STREQ(accelerationResultKey(0, 10, "kmh").data(), "__0-100kmh");
    EXPECT_STREQ(accelerationResultKey(5, 12, "mph").data(), "_50-120mph");
    EXPECT_STREQ(accelerationResultKey(10, 0, "knots").data(), "100-__0knots");
    EXPECT_STREQ(accelerationResultKey(50, 1, "mps").data(), "500-_10mps");
}

TEST(AccelerationTimeCells, LeadingZerosAreEmptyAndKeepTheirPlaces) {
    EXPECT_EQ(joined(accelerationTimeCells(12345)), "|1|2|.|3|4|s|");
    EXPECT_EQ(joined(accelerationTimeCells(5230)), "||5|.|2|3|s|");
    EXPECT_EQ(joined(accelerationTimeCells(102400)), "1|0|2|.|4|0|s|");
    EXPECT_EQ(joined(accelerationTimeCells(0)), "||0|.|0|0|s|");
    // Only when the hundreds are empty may the tens be: 100 s keeps its zero.
    EXPECT_EQ(joined(accelerationTimeCells(100000)), "1|0|0|.|0|0|s|");
}

TEST_F(AccelerationRunTest, OverlayShowsLiveTimeThenTheResultFor5s) {
    uint32_t ms = 0;
    EXPECT_FALSE(accelerationShownTime(now, ms));  // nothing before the first run
    acceleration.testMode = 1;
    feed({0, 5});
    ASSERT_TRUE(accelerationShownTime(now + 250, ms));
    EXPECT_EQ(ms, 350u);
    feed({120});
    const uint32_t end = acceleration.endTick;
    ASSERT_TRUE(accelerationShownTime(end + 4999, ms));
    EXPECT_EQ(ms, 100u);
    EXPECT_FALSE(accelerationShownTime(end + 5000, ms));
}

TEST_F(AccelerationRunTest, RunDroppedWithinFiveSecondsOfAResultShowsNothing) {
    arm(2, 5, 10);
    feed({0, 60, 120});  // finished
    feed({40, 60});      // a new run starts...
    feed({40});          // ...and is dropped
    uint32_t ms = 0;
    EXPECT_FALSE(accelerationShownTime(acceleration.endTick + 1000, ms));
}

TEST_F(AccelerationRunTest, ResultStaysAcrossTheWrapOfTheTickCount) {
    now = 0xFFFFFF00u;
    acceleration.testMode = 1;
    feed({0, 5, 50, 120});  // ends after the wrap
    uint32_t ms = 0;
    ASSERT_TRUE(accelerationShownTime(acceleration.endTick + 100, ms));
    EXPECT_EQ(ms, 200u);
}

}  // namespace
