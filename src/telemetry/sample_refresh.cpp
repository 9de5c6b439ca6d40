#include "telemetry/sample_refresh.h"

#include <cmath>

#include "host/game_controls.h"
#include "host/game_memory.h"
#include "host/native_call.h"
#include "host/natives.h"
#include "settings/profile_settings.h"
#include "telemetry/vehicle_change.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

namespace {

constexpr int32_t controlHandbrake = 76;
constexpr int32_t driverSeat = -1;

// A stored gear of 0 is reverse; 9 and above are no gear the HUD can show.
constexpr uint16_t firstInvalidGear = 9;

// A value the game reports as NaN or infinite reads as the fallback.
float finiteOr(float value, float fallback) {
    return std::isfinite(value) ? value : fallback;
}

native::Vector3 worldVelocity() {
    return native::call<native::Vector3>(natives::entitySpeedVector, sample.vehicle, false);
}

}  // namespace

bool samplePlayerVehicle() {
    sample.playerIndex = native::call<int32_t>(natives::playerId);
    sample.playerPed = native::call<int32_t>(natives::playerPedId);
    const int32_t inUse = native::call<int32_t>(natives::vehiclePedIsUsing, sample.playerPed);
    if (inUse == sample.vehicle) return false;
    sample.vehicle = inUse;
    if (inUse == 0) return false;
    sample.lastVehicle = inUse;
    return true;
}

void sampleLastVehicleFallback() {
    if (sample.lastVehicle == 0) sample.lastVehicle = sample.vehicle;
}

void sampleEngineHealth() {
    sample.engineHealth =
        finiteOr(native::call<float>(natives::engineHealth, sample.vehicle), intactEngineHealth);
}

void sampleSeat() {
    sample.isPassenger = native::call<int32_t>(natives::pedInVehicleSeat, sample.vehicle,
                                               driverSeat) != sample.playerPed;
}

void sampleHandbrake() {
    sample.handbrakePressed = isControlPressed(controlHandbrake);
}

void sampleThrottle() {
    sample.throttle = finiteOr(readThrottle(sample.vehicle), 0.0f);
}

bool sampleSpeed() {
    sample.previousSpeed = sample.speed;
    const bool running = native::call<bool>(natives::isEngineRunning, sample.vehicle);
    if (!running) {
        sample.speed = 0.0f;
        sample.verticalSpeed = 0.0f;
        return false;
    }
    if (sample.vehicleKind == kindBoat) {
        // Only the horizontal part: a boat riding a wave or a submarine diving is not
        // going faster.
        const native::Vector3 v = worldVelocity();
        sample.speed = finiteOr(std::sqrt(v.x * v.x + v.y * v.y), 0.0f);
        return true;
    }
    sample.speed = finiteOr(native::call<float>(natives::entitySpeed, sample.vehicle), 0.0f);
    if (sample.vehicleKind == kindPlane && profile.vertical != 0)
        sample.verticalSpeed = finiteOr(worldVelocity().z, 0.0f);
    return true;
}

void sampleRpm(bool engineRunning) {
    sample.rpmFraction = engineRunning ? finiteOr(readEngineRpm(sample.vehicle), 0.0f) : 0.0f;
}

void sampleGear(bool engineRunning) {
    const uint16_t raw = readCurrentGear(sample.vehicle);
    int32_t gear = raw;
    if (raw == 0 || raw >= firstInvalidGear) gear = engineRunning ? -1 : 0;
    if (sample.neutralHint)
        gear = 0;
    else if (profile.neutral != 0 && sample.handbrakePressed)
        gear = 0;
    sample.gear = gear;
}

}  // namespace velquist
