#include "world/world_natives.h"

#include <cmath>
#include <cstring>

#include "host/sim_host.h"
#include "world/world.h"

namespace sim {

namespace {

// Player and ped
constexpr uint64_t playerId = 0x4F8644AF03D0E0D6;
constexpr uint64_t playerPedId = 0xD80958FC74E988A6;
constexpr uint64_t isPlayerControlOn = 0x49C32D60007AFA47;
constexpr uint64_t isPlayerBeingArrested = 0x388A47C51ABDAC8E;
constexpr uint64_t doesEntityExist = 0x7239B21A38F536BA;
constexpr uint64_t isEntityDead = 0x5F9532F3B5CC2551;
constexpr uint64_t isPedRunningPhoneTask = 0x2AFE52F782F25775;
constexpr uint64_t isPedInAnyVehicle = 0x997ABD671D25CA0B;
constexpr uint64_t vehiclePedIsUsing = 0x6094AD011A2EA87D;
constexpr uint64_t pedInVehicleSeat = 0xBB40DD2270B65366;
// Vehicle and model
constexpr uint64_t entityModel = 0x9F47B058362C84B5;
constexpr uint64_t displayNameOfModel = 0xB215AAC32D25D019;
constexpr uint64_t vehicleClass = 0x29439776AAA00A62;
constexpr uint64_t entitySpeed = 0xD5037BA82E12416F;
constexpr uint64_t entitySpeedVector = 0x9A8D700A51CB7B0D;
constexpr uint64_t engineRunning = 0xAE31E7DF9B5B132E;
constexpr uint64_t engineHealth = 0xC45D23BAF168AAB8;
constexpr uint64_t customPrimaryColour = 0xB64CF2CCA9D95F52;
// Decorators
constexpr uint64_t decoratorExists = 0x05661B80A8C9165F;
constexpr uint64_t decoratorFloat = 0x6524A2F114706F43;
constexpr uint64_t decoratorInt = 0xA06C969B02A97298;
// Controls, camera, HUD, clock
constexpr uint64_t isControlPressed = 0xF3A21BCD95725A4A;
constexpr uint64_t isControlEnabled = 0x1CEA6BFDF248E5D9;
constexpr uint64_t vehicleCamViewMode = 0xA4FF579AC0E3AAAE;
constexpr uint64_t isHudComponentActive = 0xBC4C9EA5391ECC0D;
constexpr uint64_t clockHours = 0x25223CA6B4D20B7F;
constexpr uint64_t clockMinutes = 0x13D2B8ADD79640F2;

constexpr int32_t controlPad = 2;  // the pad and control group the world's controls belong to
constexpr int32_t driverSeat = -1;
constexpr uint32_t pedModel = 0x0D7114C9;  // the player's ped model
// What the display-name native answers for a model it does not know.
const char* const unknownModelLabel = "CARNOTFOUND";

bool isPlayerPed(int32_t ped) {
    return ped != 0 && ped == world.player.ped;
}
bool isPlayer(int32_t index) {
    return index == world.player.index;
}

Vehicle* vehicleArg(const NativeCall& c, size_t n) {
    return vehicleWithHandle(c.i32(n));
}

const Vehicle* vehicleWithModel(uint32_t model) {
    for (const auto& v : world.vehicles)
        if (v->model == model) return v.get();
    return nullptr;
}

const Decorator* decoratorArg(const NativeCall& c) {
    const Vehicle* v = vehicleArg(c, 0);
    const char* name = c.text(1);
    if (!v || !name) return nullptr;
    auto it = v->decorators.find(name);
    return it == v->decorators.end() ? nullptr : &it->second;
}

void writeInt(int32_t* out, int32_t value) {
    if (out) std::memcpy(out, &value, sizeof value);
}

void registerPlayerNatives() {
    registerNative(playerId, [](NativeCall& c) { c.returnInt(world.player.index); });
    registerNative(playerPedId, [](NativeCall& c) { c.returnInt(world.player.ped); });
    registerNative(isPlayerControlOn,
                   [](NativeCall& c) { c.returnBool(isPlayer(c.i32(0)) && world.player.control); });
    registerNative(isPlayerBeingArrested, [](NativeCall& c) {
        c.returnBool(isPlayer(c.i32(0)) && world.player.arrested);
    });
    registerNative(doesEntityExist, [](NativeCall& c) {
        const int32_t e = c.i32(0);
        c.returnBool(isPlayerPed(e) ? world.player.exists
                                    : (e != 0 && e == world.otherPed) || vehicleWithHandle(e));
    });
    registerNative(isEntityDead,
                   [](NativeCall& c) { c.returnBool(isPlayerPed(c.i32(0)) && world.player.dead); });
    registerNative(isPedRunningPhoneTask, [](NativeCall& c) {
        c.returnBool(isPlayerPed(c.i32(0)) && world.player.phone);
    });
    registerNative(isPedInAnyVehicle, [](NativeCall& c) {
        c.returnBool(isPlayerPed(c.i32(0)) && world.player.vehicle != nullptr);
    });
    registerNative(vehiclePedIsUsing, [](NativeCall& c) {
        const Vehicle* v = isPlayerPed(c.i32(0)) ? world.player.vehicle : nullptr;
        c.returnInt(v ? v->entity.handle : 0);
    });
    registerNative(pedInVehicleSeat, [](NativeCall& c) {
        const Vehicle* v = vehicleArg(c, 0);
        if (!v) return c.returnInt(0);
        if (c.i32(1) == driverSeat) {
            switch (v->driver) {
                case Driver::player:
                    return c.returnInt(world.player.ped);
                case Driver::other:
                    return c.returnInt(world.otherPed);
                case Driver::none:
                    return c.returnInt(0);
            }
        }
        // The player takes the first passenger seat.
        const bool playerThere =
            world.player.vehicle == v && world.player.passenger && c.i32(1) == 0;
        c.returnInt(playerThere ? world.player.ped : 0);
    });
}

void registerVehicleNatives() {
    registerNative(entityModel, [](NativeCall& c) {
        const int32_t e = c.i32(0);
        if (const Vehicle* v = vehicleWithHandle(e))
            return c.returnInt(static_cast<int32_t>(v->model));
        c.returnInt(
            isPlayerPed(e) || (e != 0 && e == world.otherPed) ? static_cast<int32_t>(pedModel) : 0);
    });
    registerNative(displayNameOfModel, [](NativeCall& c) {
        const Vehicle* v = vehicleWithModel(static_cast<uint32_t>(c.i32(0)));
        if (!v) return c.returnText(unknownModelLabel);
        c.returnText(v->hasLabel ? v->label.c_str() : nullptr);
    });
    registerNative(vehicleClass, [](NativeCall& c) {
        const Vehicle* v = vehicleArg(c, 0);
        c.returnInt(v ? v->vehicleClass : 0);
    });
    registerNative(entitySpeed, [](NativeCall& c) {
        const Vehicle* v = vehicleArg(c, 0);
        c.returnFloat(v ? v->speed : 0.0f);
    });
    // The simulated vehicles have no heading: the vector is the same in world and in
    // vehicle terms.
    registerNative(entitySpeedVector, [](NativeCall& c) {
        const Vehicle* v = vehicleArg(c, 0);
        if (!v) return c.returnVector(0.0f, 0.0f, 0.0f);
        c.returnVector(v->velocity[0], v->velocity[1], v->velocity[2]);
    });
    registerNative(engineRunning, [](NativeCall& c) {
        const Vehicle* v = vehicleArg(c, 0);
        c.returnBool(v && v->engine);
    });
    registerNative(engineHealth, [](NativeCall& c) {
        const Vehicle* v = vehicleArg(c, 0);
        c.returnFloat(v ? v->health : 0.0f);
    });
    registerNative(customPrimaryColour, [](NativeCall& c) {
        const Vehicle* v = vehicleArg(c, 0);
        for (size_t i = 0; i < 3; ++i)
            writeInt(c.out<int32_t>(1 + i), v ? v->colour[i] : 0);
    });
}

void registerDecoratorNatives() {
    registerNative(decoratorExists,
                   [](NativeCall& c) { c.returnBool(decoratorArg(c) != nullptr); });
    // A decorator read with the other type gives its value converted.
    registerNative(decoratorFloat, [](NativeCall& c) {
        const Decorator* d = decoratorArg(c);
        if (!d) return c.returnFloat(0.0f);
        c.returnFloat(d->isFloat ? d->floatValue : static_cast<float>(d->intValue));
    });
    registerNative(decoratorInt, [](NativeCall& c) {
        const Decorator* d = decoratorArg(c);
        if (!d) return c.returnInt(0);
        if (!d->isFloat) return c.returnInt(d->intValue);
        const float f = d->floatValue;
        const bool fits = std::isfinite(f) && f > -2147483648.0f && f < 2147483648.0f;
        c.returnInt(fits ? static_cast<int32_t>(f) : 0);
    });
}

void registerSceneNatives() {
    registerNative(isControlPressed, [](NativeCall& c) {
        c.returnBool(c.i32(0) == controlPad && world.pressed.count(c.i32(1)) != 0);
    });
    registerNative(isControlEnabled, [](NativeCall& c) {
        c.returnBool(c.i32(0) != controlPad || world.disabled.count(c.i32(1)) == 0);
    });
    registerNative(vehicleCamViewMode, [](NativeCall& c) { c.returnInt(world.viewMode); });
    registerNative(isHudComponentActive,
                   [](NativeCall& c) { c.returnBool(world.hudShown.count(c.i32(0)) != 0); });
    registerNative(clockHours, [](NativeCall& c) { c.returnInt(world.hours); });
    registerNative(clockMinutes, [](NativeCall& c) { c.returnInt(world.minutes); });
}

}  // namespace

void registerWorldNatives() {
    createWorld();
    registerPlayerNatives();
    registerVehicleNatives();
    registerDecoratorNatives();
    registerSceneNatives();
}

}  // namespace sim
