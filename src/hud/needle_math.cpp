#include "hud/needle_math.h"

#include <cmath>

namespace velquist {

namespace {

// Vertical scale: the first metre per second is linear, then each decade adds
// verticalDecade turns up to 100 m/s.
constexpr float verticalFirstMetre = 0.029f;
constexpr float verticalDecade = 0.116f * 0.5f;

}  // namespace

float velocityNeedleTarget(float speed, const DialCalibration& c) {
    if (std::isnan(speed)) return c.deg0;
    if (speed < c.vel0) return c.deg0;
    // A segment is used only when its start lies below its end, so equal calibration
    // speeds never divide by zero.
    if (speed < c.vel1) return c.deg0 + (speed - c.vel0) / (c.vel1 - c.vel0) * (c.deg1 - c.deg0);
    if (speed < c.vel2) return c.deg1 + (speed - c.vel1) / (c.vel2 - c.vel1) * (c.deg2 - c.deg1);
    return c.deg2;
}

float rpmNeedleFraction(float r, float m) {
    if (m < 2.6f) return r * 2.5f / 3.0f;
    if (m < 4.6f) return r * 4.5f * 0.2f;
    if (m < 5.2f) return r * 5.1f / 6.0f;
    if (m < 7.1f) return r * 7.0f * 0.125f;
    if (m < 8.1f) return r * 8.0f / 9.0f;
    if (m < 9.1f) return r * 9.0f * 0.1f;
    return r * 11.5f / 12.0f;
}

float rpmNeedleTarget(float rpmFraction, float maxRpmThousands) {
    if (std::isnan(rpmFraction)) return smallNeedleStart;
    return smallNeedleStart + rpmNeedleFraction(rpmFraction, maxRpmThousands) * smallNeedleSweep;
}

int rpmDialFor(float m) {
    if (m < 2.5f) return 0;
    if (m < 4.6f) return 1;
    if (m < 5.6f) return 2;
    if (m < 7.1f) return 3;
    if (m < 8.1f) return 4;
    if (m < 9.1f) return 5;
    return 6;
}

float rpmMarkAngle(float thousands, int fullScale) {
    return smallNeedleStart + thousands / static_cast<float>(fullScale) * smallNeedleSweep;
}

float verticalNeedleTarget(float v) {
    if (std::isnan(v)) return verticalNeedleCentre;
    const float sign = v < 0.0f ? -1.0f : 1.0f;
    const float a = std::fabs(v);
    float x;
    if (a < 1.0f)
        x = verticalFirstMetre * a;
    else if (a < 100.0f)
        x = verticalFirstMetre + std::log10(a) * verticalDecade;
    else
        x = verticalNeedleReach;
    return verticalNeedleCentre + sign * x;
}

float fuelNeedleTarget(float level, bool engineRunning) {
    if (std::isnan(level)) return smallNeedleStart;
    return engineRunning ? smallNeedleStart + level * smallNeedleSweep : smallNeedleStart;
}

float stepNeedle(float current, float target, float maxStep) {
    if (target < current - maxStep) return current - maxStep;
    if (target > current + maxStep) return current + maxStep;
    return target;
}

float needleRateLimit(int32_t elapsedMs) {
    return elapsedMs > 0 ? needleTurnsPerMs * static_cast<float>(elapsedMs) : 0.0f;
}

}  // namespace velquist
