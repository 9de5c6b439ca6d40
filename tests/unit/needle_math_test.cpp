// Needle mapping: velocity needle by three calibration points, rpm needle scaling per
// dial face, logarithmic vertical speed needle, fuel needle, and the rate limit.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "hud/needle_math.h"

using namespace velquist;

namespace {

constexpr float nan = std::numeric_limits<float>::quiet_NaN();

DialCalibration defaults(int face) {
    return toCalibration(calibrationDefaults[face]);
}
constexpr int maxMph = 0, carFastMph = 3, carSlowMph = 5, linFastMph = 7, linSlowKmh = 11;

TEST(VelocityNeedleTest, DefaultCalibrationRestsAt247Point5AndEndsAt450Degrees) {
    for (int face = 0; face < catalogue::velocityFaceCount; ++face) {
        const DialCalibration c = defaults(face);
        EXPECT_FLOAT_EQ(velocityNeedleTarget(0.0f, c), 0.6875f) << face;
        EXPECT_FLOAT_EQ(velocityNeedleTarget(c.vel2, c), 1.25f) << face;
        EXPECT_FLOAT_EQ(velocityNeedleTarget(c.vel2 * 3, c), 1.25f) << face;
    }
}

TEST(VelocityNeedleTest, TwoSlopesMeetAtTheMiddlePoint) {
    const DialCalibration c = defaults(maxMph);  // 0..100 over 90 degrees, 100..350 over 112.5
    EXPECT_FLOAT_EQ(velocityNeedleTarget(50.0f, c), (2475 + 450) / 3600.0f);
    EXPECT_FLOAT_EQ(velocityNeedleTarget(100.0f, c), 3375 / 3600.0f);
    EXPECT_FLOAT_EQ(velocityNeedleTarget(225.0f, c), (3375 + 562.5f) / 3600.0f);
    const DialCalibration s = defaults(carSlowMph);
    EXPECT_FLOAT_EQ(velocityNeedleTarget(90.0f, s), 3825 / 3600.0f);
    EXPECT_FLOAT_EQ(velocityNeedleTarget(135.0f, s), (3825 + 337.5f) / 3600.0f);
}

TEST(VelocityNeedleTest, CarFastHoldsTheNeedleBelowItsFirstSpeed) {
    const DialCalibration c = defaults(carFastMph);
    EXPECT_FLOAT_EQ(velocityNeedleTarget(0.0f, c), 0.6875f);
    EXPECT_FLOAT_EQ(velocityNeedleTarget(19.9f, c), 0.6875f);
    EXPECT_FLOAT_EQ(velocityNeedleTarget(20.0f, c), 0.6875f);
    EXPECT_GT(velocityNeedleTarget(21.0f, c), 0.6875f);
}

TEST(VelocityNeedleTest, LinearDialPassesTheEndMarkAt118AndReachesItAt120) {
    const DialCalibration c = defaults(linFastMph);
    EXPECT_LT(velocityNeedleTarget(117.0f, c), 1.24f);
    EXPECT_GT(velocityNeedleTarget(118.5f, c), 1.24f);
    EXPECT_FLOAT_EQ(velocityNeedleTarget(120.0f, c), 1.25f);  // vel1 on a linear dial: deg2
    EXPECT_FLOAT_EQ(velocityNeedleTarget(45.0f, defaults(linSlowKmh)), (2475 + 1012.5f) / 3600.0f);
}

TEST(VelocityNeedleTest, EqualOrReversedPointsNeverDivideByZero) {
    const DialCalibration flat{0.5f, 0.75f, 1.0f, 40.0f, 40.0f, 40.0f};
    EXPECT_FLOAT_EQ(velocityNeedleTarget(39.0f, flat), 0.5f);
    EXPECT_FLOAT_EQ(velocityNeedleTarget(40.0f, flat), 1.0f);
    const DialCalibration reversed{0.5f, 0.75f, 1.0f, 60.0f, 30.0f, 10.0f};
    EXPECT_FLOAT_EQ(velocityNeedleTarget(45.0f, reversed), 0.5f);
    EXPECT_FLOAT_EQ(velocityNeedleTarget(60.0f, reversed), 1.0f);
    EXPECT_TRUE(std::isfinite(velocityNeedleTarget(std::numeric_limits<float>::infinity(), flat)));
}

TEST(VelocityNeedleTest, ASpeedThatIsNotANumberRestsTheNeedle) {
    EXPECT_FLOAT_EQ(velocityNeedleTarget(nan, defaults(maxMph)), 0.6875f);
}

TEST(RpmNeedleTest, FullRpmStandsAtTheMaximumsMarkOfItsFace) {
    // Maximum rpm (thousands) and where full rpm lands, in thousands on the face.
    const struct {
        float maxRpm;
        int face;
        float fullAt;
        int fullScale;
    } cases[] = {{2.4f, 0, 2.5f, 3},    {4.5f, 1, 4.5f, 5},   {5.1f, 2, 5.1f, 6},
                 {7.0f, 3, 7.0f, 8},    {8.0f, 4, 8.0f, 9},   {9.0f, 5, 9.0f, 10},
                 {11.5f, 6, 11.5f, 12}, {15.0f, 6, 11.5f, 12}};
    for (const auto& c : cases) {
        EXPECT_EQ(rpmDialFor(c.maxRpm), c.face) << c.maxRpm;
        EXPECT_NEAR(rpmNeedleFraction(1.0f, c.maxRpm), c.fullAt / c.fullScale, 1e-6) << c.maxRpm;
        EXPECT_NEAR(rpmNeedleTarget(1.0f, c.maxRpm), rpmMarkAngle(c.fullAt, c.fullScale), 1e-6);
    }
    EXPECT_FLOAT_EQ(rpmNeedleTarget(0.0f, 7.0f), 0.75f);
    EXPECT_FLOAT_EQ(rpmMarkAngle(8.0f, 8), 0.75f + 0.295f);
}

TEST(RpmNeedleTest, FaceAndNeedleBracketsDifferAt2Point5And5Point2) {
    // 2.5 shows the 5000 face with the needle scaled for the 3000 face.
    EXPECT_EQ(rpmDialFor(2.49f), 0);
    EXPECT_EQ(rpmDialFor(2.5f), 1);
    EXPECT_FLOAT_EQ(rpmNeedleFraction(1.0f, 2.55f), 2.5f / 3.0f);
    EXPECT_FLOAT_EQ(rpmNeedleFraction(1.0f, 2.6f), 4.5f * 0.2f);
    // 5.2 to 5.6 shows the 6000 face with the needle scaled for the 8000 face.
    EXPECT_EQ(rpmDialFor(5.5f), 2);
    EXPECT_EQ(rpmDialFor(5.6f), 3);
    EXPECT_FLOAT_EQ(rpmNeedleFraction(1.0f, 5.19f), 5.1f / 6.0f);
    EXPECT_FLOAT_EQ(rpmNeedleFraction(1.0f, 5.2f), 7.0f * 0.125f);
    EXPECT_EQ(rpmDialFor(9.1f), 6);
    EXPECT_EQ(rpmDialFor(9.09f), 5);
}

TEST(RpmNeedleTest, AnRpmThatIsNotANumberRestsTheNeedle) {
    EXPECT_FLOAT_EQ(rpmNeedleTarget(nan, 7.0f), 0.75f);
}

TEST(VerticalNeedleTest, LogarithmicScaleBothWays) {
    EXPECT_FLOAT_EQ(verticalNeedleTarget(0.0f), 0.895f);
    EXPECT_FLOAT_EQ(verticalNeedleTarget(0.5f), 0.895f + 0.0145f);
    EXPECT_FLOAT_EQ(verticalNeedleTarget(1.0f), 0.895f + 0.029f);
    EXPECT_FLOAT_EQ(verticalNeedleTarget(-1.0f), 0.895f - 0.029f);
    EXPECT_NEAR(verticalNeedleTarget(10.0f), 0.895f + 0.087f, 1e-6);
    EXPECT_NEAR(verticalNeedleTarget(-5.0f), 0.895f - (0.029f + 0.058f * std::log10(5.0f)), 1e-6);
    EXPECT_NEAR(verticalNeedleTarget(99.99f), 0.895f + 0.145f, 1e-5);
    EXPECT_FLOAT_EQ(verticalNeedleTarget(100.0f), 0.895f + 0.145f);
    EXPECT_FLOAT_EQ(verticalNeedleTarget(-1e9f), 0.895f - 0.145f);
    EXPECT_FLOAT_EQ(verticalNeedleTarget(nan), 0.895f);
}

TEST(FuelNeedleTest, LevelSweepsWhileTheEngineRuns) {
    EXPECT_FLOAT_EQ(fuelNeedleTarget(1.0f, true), 0.75f + 0.295f);
    EXPECT_FLOAT_EQ(fuelNeedleTarget(0.5f, true), 0.75f + 0.1475f);
    EXPECT_FLOAT_EQ(fuelNeedleTarget(1.0f, false), 0.75f);
    EXPECT_FLOAT_EQ(fuelNeedleTarget(nan, true), 0.75f);
}

TEST(StepNeedleTest, MovesAtMostTheStepAndSettlesOnTheTarget) {
    const float d = needleTurnsPerMs * 12;  // one refresh of 12 ms
    EXPECT_FLOAT_EQ(stepNeedle(0.0f, 1.25f, d), d);
    EXPECT_FLOAT_EQ(stepNeedle(1.25f, 0.0f, d), 1.25f - d);
    EXPECT_FLOAT_EQ(stepNeedle(1.0f, 1.0f + d, d), 1.0f + d);
    EXPECT_FLOAT_EQ(stepNeedle(1.0f, 1.0f + d / 2, d), 1.0f + d / 2);
    EXPECT_FLOAT_EQ(stepNeedle(nan, 0.8f, d), 0.8f);  // a broken needle recovers at once
}

}  // namespace
