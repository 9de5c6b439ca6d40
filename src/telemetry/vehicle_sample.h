// The vehicle sample: the one record of the player's vehicle state. Telemetry's sampling
// steps write it at every HUD refresh and on every vehicle change; the drawing and the
// acceleration test only read it. The current vehicle's livery and brand names are process-wide
// texts (texts.currentLivery, texts.currentBrand).
#pragma once

#include <cstdint>

#include "core/vehicle_kind.h"

namespace velquist {

constexpr int fuelLevelCount = 3;  // the Coke, Meth and Weed values of fuel mods
constexpr float intactEngineHealth = 1000.0f;

struct VehicleSample {
    // Who drives what (every refresh)
    int32_t playerIndex = 0;            // the local player's index
    int32_t playerPed = 0;              // the player's ped handle
    int32_t vehicle = 0;                // the vehicle the ped is using; 0 = none
    int32_t lastVehicle = 0;            // the last nonzero vehicle
    VehicleKind vehicleKind = kindCar;  // from the game class, on a vehicle change
    int32_t vehicleClass = 0;           // the game's vehicle class 0..21, on a vehicle change

    // Motion and engine (telemetry pass)
    float speed = 0.0f;             // m/s
    float previousSpeed = 0.0f;     // m/s, speed of the previous speed step
    float verticalSpeed = 0.0f;     // m/s, z of the world velocity; planes only
    float throttle = 0.0f;          // from the vehicle object; the HUD tests it against 0.1
    float rpmFraction = 0.0f;       // normalised engine rpm 0..1; cars only, 0 with engine off
    int32_t gear = 0;               // -1 reverse, 0 neutral, 1..8 forward
    bool handbrakePressed = false;  // control 76 pressed
    float engineHealth = intactEngineHealth;  // read while the dmg feature is on
    bool isPassenger = false;                 // someone else in the driver seat; every 10th refresh

    // Resolved on a vehicle change from the brand and max-rpm tables
    int32_t brandIndex = 0;        // 0..99, position of the brand in texts.brandNames
    int32_t maxRpmSetting = 0;     // hundreds of rpm, 10..150
    float maxRpmThousands = 0.0f;  // thousands of rpm, maxRpmSetting x 0.1

    // Values other mods publish as decorators on the vehicle
    float fuelLevels[fuelLevelCount] = {1.0f, 1.0f, 1.0f};  // 0..1; 1 after a vehicle change
    bool shiftUpHint = false;                               // "hunt_score" 1
    bool shiftDownHint = false;                             // "hunt_score" 2
    bool neutralHint = false;  // "hunt_weapon" 1; survives vehicle changes
};

extern VehicleSample sample;

}  // namespace velquist
