#include "telemetry/sample_refresh.h"

#include <cmath>

#include "analytics/acceleration_overlay.h"
#include "core/schedule.h"
#include "host/game_memory.h"
#include "host/native_call.h"
#include "host/natives.h"
#include "hud/gauges.h"
#include "hud/hud_draw.h"
#include "hud/indicators.h"
#include "hud/refresh_hud.h"
#include "settings/profile_settings.h"
#include "telemetry/shared_mod_values.h"
#include "telemetry/vehicle_change.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

namespace {

constexpr int32_t controlPad = 2;
constexpr int32_t controlHandbrake = 76;
constexpr int32_t driverSeat = -1;

// Game classes with a kind of their own; every other class is a car or motorcycle.
constexpr int32_t classBicycle = 13;
constexpr int32_t classBoat = 14;
constexpr int32_t classHelicopter = 15;
constexpr int32_t classPlane = 16;
constexpr int32_t classTrain = 21;
constexpr int32_t lastKnownClass = 21;

// A stored gear of 0 is reverse; 9 and above are no gear the HUD can show.
constexpr uint16_t firstInvalidGear = 9;

// Work thinned out by the refresh count.
constexpr uint32_t seatInterval = 10;
constexpr uint32_t fallbackInterval = 100;

// A value the game reports as NaN or infinite reads as the fallback.
float finiteOr(float value, float fallback) {
    return std::isfinite(value) ? value : fallback;
}

native::Vector3 worldVelocity() {
    return native::call<native::Vector3>(natives::entitySpeedVector, sample.vehicle, false);
}

// Returns whether the engine runs. With the engine off the vehicle counts as standing.
bool speedStep() {
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

void gearStep(bool engineRunning) {
    const uint16_t raw = readCurrentGear(sample.vehicle);
    int32_t gear = raw;
    if (raw == 0 || raw >= firstInvalidGear) gear = engineRunning ? -1 : 0;
    if (sample.neutralHint)
        gear = 0;
    else if (profile.neutral != 0 && sample.handbrakePressed)
        gear = 0;
    if (gear != sample.gear) {
        // The previous digit goes at once rather than standing beside the new one.
        clearTextureSlot(gearDigitTexture(sample.gear), 0);
        sample.gear = gear;
    }
}

void telemetryPass() {
    sample.handbrakePressed =
        native::call<bool>(natives::isControlPressed, controlPad, controlHandbrake);
    if (profile.isEnabledIn(sample.vehicleKind) == 0) return;

    sample.throttle = finiteOr(readThrottle(sample.vehicle), 0.0f);
    const bool engineRunning = speedStep();
    stepVelocityNeedle();

    if (sample.vehicleKind == kindPlane && profile.vertical != 0) {
        stepVerticalNeedle();
    } else if (sample.vehicleKind == kindCar && profile.rpm != 0) {
        sample.rpmFraction = engineRunning ? finiteOr(readEngineRpm(sample.vehicle), 0.0f) : 0.0f;
        stepRpmNeedle();
        if (profile.gear != 0) {
            gearStep(engineRunning);
            // The hints read now show from the next refresh on.
            readTransmissionHints();
        }
    }

    if (hasFuelDecorator()) {
        readFuelLevels();
        stepFuelNeedle();
    }
}

}  // namespace

void classifyVehicle(int32_t gameClass) {
    switch (gameClass) {
        case classBicycle:
            sample.vehicleKind = kindBicycle;
            break;
        case classBoat:
            sample.vehicleKind = kindBoat;
            break;
        case classHelicopter:
        case classPlane:
            sample.vehicleKind = kindPlane;
            break;
        case classTrain:
            sample.vehicleKind = kindTrain;
            break;
        default:
            sample.vehicleKind = kindCar;
            break;
    }
    if (gameClass >= 0 && gameClass <= lastKnownClass) sample.vehicleClass = gameClass;
}

void sampleRefresh() {
    sample.playerIndex = native::call<int32_t>(natives::playerId);
    sample.playerPed = native::call<int32_t>(natives::playerPedId);

    // Getting out changes nothing but the handle: the fading HUD keeps the last values.
    const int32_t inUse = native::call<int32_t>(natives::vehiclePedIsUsing, sample.playerPed);
    if (inUse != sample.vehicle) {
        sample.vehicle = inUse;
        if (inUse != 0) {
            sample.lastVehicle = inUse;
            onVehicleChanged();
        }
    }

    if (schedule.refreshCount % fallbackInterval == 0) {
        if (sample.lastVehicle == 0) sample.lastVehicle = sample.vehicle;
        updateBrightnessAndLayout();
    }

    if (sample.vehicle == 0) return;

    if (profile.dmg != 0) {
        sample.engineHealth =
            finiteOr(native::call<float>(natives::engineHealth, sample.vehicle), 1000.0f);
        updateDamageTargets();
        stepDamageFlash();
    }
    if (schedule.refreshCount % seatInterval == 0) {
        if (profile.usePrimColor != 0) testPrimaryColour();
        sample.isPassenger = native::call<int32_t>(natives::pedInVehicleSeat, sample.vehicle,
                                                   driverSeat) != sample.playerPed;
        checkDialStepUp();
    }

    telemetryPass();
    accelerationStep();
}

}  // namespace velquist
