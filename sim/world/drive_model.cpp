#include "world/drive_model.h"

#include <cmath>

namespace sim {

namespace {

struct DriveTraits {
    float topSpeed;      // m/s at full throttle
    float acceleration;  // m/s^2 from standstill at full throttle
    float braking;       // m/s^2 at full brake
    int gears;           // forward gears of the automatic gearbox
    bool flies;
};

// By the game class, grouped as the HUD groups them.
DriveTraits traitsOf(int32_t vehicleClass) {
    switch (vehicleClass) {
        case 13:
            return {12.0f, 1.5f, 4.0f, 1, false};  // bicycle
        case 14:
            return {25.0f, 3.0f, 2.0f, 1, false};  // boat
        case 15:
            return {70.0f, 4.0f, 3.0f, 1, true};  // helicopter
        case 16:
            return {90.0f, 5.0f, 3.0f, 1, true};  // plane
        case 21:
            return {35.0f, 0.6f, 1.2f, 1, false};  // train
        case 8:
            return {60.0f, 8.0f, 10.0f, 5, false};  // motorcycle
        default:
            return {55.0f, 7.0f, 9.0f, 6, false};  // car
    }
}

constexpr float idleRpm = 0.2f;
constexpr float rollingDrag = 0.05f;  // 1/s: share of the speed lost per second when coasting
constexpr float upshiftRpm = 0.92f;   // of the gear's speed range
constexpr float downshiftRatio = 0.6f;
constexpr float liftOff = 0.6f;    // of the top speed: a flying vehicle starts to climb
constexpr float climbRate = 0.2f;  // vertical m/s per m/s of speed at full throttle

float clamp01(float x) {
    return x < 0.0f ? 0.0f : (x > 1.0f ? 1.0f : x);
}

}  // namespace

void stepDrive(Vehicle& v, float seconds) {
    const DriveTraits t = traitsOf(v.vehicleClass);
    const float throttle = v.engine ? v.drive.throttle : 0.0f;
    // The forward speed is the horizontal part of the velocity.
    float forward = std::sqrt(v.velocity[0] * v.velocity[0] + v.velocity[1] * v.velocity[1]);
    if (!std::isfinite(forward)) forward = 0.0f;

    const float push = throttle * t.acceleration * (1.0f - forward / t.topSpeed);
    const float accel =
        push - v.drive.brake * t.braking - rollingDrag * (1.0f - throttle) * forward;
    forward += accel * seconds;
    if (forward < 0.0f) forward = 0.0f;

    float climb = 0.0f;
    if (t.flies && forward > liftOff * t.topSpeed) climb = (throttle - 0.5f) * climbRate * forward;

    v.velocity[0] = 0.0f;
    v.velocity[1] = forward;
    v.velocity[2] = climb;
    v.speed = std::sqrt(forward * forward + climb * climb);

    // The gearbox: gear g covers speeds up to g / gears of the top speed.
    int gear = v.gear >= 1 && v.gear <= t.gears ? v.gear : 1;
    const float step = t.topSpeed / static_cast<float>(t.gears);
    if (gear < t.gears && forward > upshiftRpm * step * static_cast<float>(gear)) ++gear;
    if (gear > 1 && forward < downshiftRatio * step * static_cast<float>(gear - 1)) --gear;
    v.gear = static_cast<uint16_t>(gear);
    v.rpm = v.engine
                ? clamp01(idleRpm + (1.0f - idleRpm) * forward / (step * static_cast<float>(gear)))
                : 0.0f;
    v.throttle = throttle;
}

}  // namespace sim
