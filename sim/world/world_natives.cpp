#include "world/world_natives.h"

#include <cmath>
#include <cstring>

#include "host/natives.h"
#include "host/sim_host.h"
#include "world/world.h"

namespace sim {

namespace {

namespace natives = velquist::natives;

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
    registerNative(natives::playerId, [](NativeCall& c) { c.returnInt(world.player.index); });
    registerNative(natives::playerPedId, [](NativeCall& c) { c.returnInt(world.player.ped); });
    registerNative(natives::isPlayerControlOn,
                   [](NativeCall& c) { c.returnBool(isPlayer(c.i32(0)) && world.player.control); });
    registerNative(natives::isPlayerBeingArrested, [](NativeCall& c) {
        c.returnBool(isPlayer(c.i32(0)) && world.player.arrested);
    });
    registerNative(natives::doesEntityExist, [](NativeCall& c) {
        const int32_t e = c.i32(0);
        c.returnBool(isPlayerPed(e) ? world.player.exists
                                    : (e != 0 && e == world.otherPed) || vehicleWithHandle(e));
    });
    registerNative(natives::isEntityDead,
                   [](NativeCall& c) { c.returnBool(isPlayerPed(c.i32(0)) && world.player.dead); });
    registerNative(natives::isPedRunningPhoneTask, [](NativeCall& c) {
        c.returnBool(isPlayerPed(c.i32(0)) && world.player.phone);
    });
    registerNative(natives::isPedInAnyVehicle, [](NativeCall& c) {
        c.returnBool(isPlayerPed(c.i32(0)) && world.player.vehicle != nullptr);
    });
    registerNative(natives::vehiclePedIsUsing, [](NativeCall& c) {
        const Vehicle* v = isPlayerPed(c.i32(0)) ? world.player.vehicle : nullptr;
        c.returnInt(v ? v->entity.handle : 0);
    });
    registerNative(natives::pedInVehicleSeat, [](NativeCall& c) {
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
    registerNative(natives::entityModel, [](NativeCall& c) {
        const int32_t e = c.i32(0);
        if (const Vehicle* v = vehicleWithHandle(e))
            return c.returnInt(static_cast<int32_t>(v->model));
        c.returnInt(
            isPlayerPed(e) || (e != 0 && e == world.otherPed) ? static_cast<int32_t>(pedModel) : 0);
    });
    registerNative(natives::displayNameOfModel, [](NativeCall& c) {
        const Vehicle* v = vehicleWithModel(static_cast<uint32_t>(c.i32(0)));
        if (!v) return c.returnText(unknownModelLabel);
        c.returnText(v->hasLabel ? v->label.c_str() : nullptr);
    });
    registerNative(natives::vehicleClass, [](NativeCall& c) {
        const Vehicle* v = vehicleArg(c, 0);
        c.returnInt(v ? v->vehicleClass : 0);
    });
    registerNative(natives::entitySpeed, [](NativeCall& c) {
        const Vehicle* v = vehicleArg(c, 0);
        c.returnFloat(v ? v->speed : 0.0f);
    });
    // The simulated vehicles have no heading: the vector is the same in world and in
    // vehicle terms.
    registerNative(natives::entitySpeedVector, [](NativeCall& c) {
        const Vehicle* v = vehicleArg(c, 0);
        if (!v) return c.returnVector(0.0f, 0.0f, 0.0f);
        c.returnVector(v->velocity[0], v->velocity[1], v->velocity[2]);
    });
    registerNative(natives::isEngineRunning, [](NativeCall& c) {
        const Vehicle* v = vehicleArg(c, 0);
        c.returnBool(v && v->engine);
    });
    registerNative(natives::engineHealth, [](NativeCall& c) {
        const Vehicle* v = vehicleArg(c, 0);
        c.returnFloat(v ? v->health : 0.0f);
    });
    registerNative(natives::customPrimaryColour, [](NativeCall& c) {
        const Vehicle* v = vehicleArg(c, 0);
        for (size_t i = 0; i < 3; ++i)
            writeInt(c.out<int32_t>(1 + i), v ? v->colour[i] : 0);
    });
}

void registerDecoratorNatives() {
    registerNative(natives::decoratorExists,
                   [](NativeCall& c) { c.returnBool(decoratorArg(c) != nullptr); });
    // A decorator read with the other type gives its value converted.
    registerNative(natives::decoratorFloat, [](NativeCall& c) {
        const Decorator* d = decoratorArg(c);
        if (!d) return c.returnFloat(0.0f);
        c.returnFloat(d->isFloat ? d->floatValue : static_cast<float>(d->intValue));
    });
    registerNative(natives::decoratorInt, [](NativeCall& c) {
        const Decorator* d = decoratorArg(c);
        if (!d) return c.returnInt(0);
        if (!d->isFloat) return c.returnInt(d->intValue);
        const float f = d->floatValue;
        const bool fits = std::isfinite(f) && f > -2147483648.0f && f < 2147483648.0f;
        c.returnInt(fits ? static_cast<int32_t>(f) : 0);
    });
}

void registerSceneNatives() {
    registerNative(natives::isControlPressed, [](NativeCall& c) {
        c.returnBool(c.i32(0) == controlPad && world.pressed.count(c.i32(1)) != 0);
    });
    registerNative(natives::isControlEnabled, [](NativeCall& c) {
        c.returnBool(c.i32(0) != controlPad || world.disabled.count(c.i32(1)) == 0);
    });
    registerNative(natives::vehicleCamViewMode, [](NativeCall& c) { c.returnInt(world.viewMode); });
    registerNative(natives::isHudComponentActive,
                   [](NativeCall& c) { c.returnBool(world.hudShown.count(c.i32(0)) != 0); });
    registerNative(natives::clockHours, [](NativeCall& c) { c.returnInt(world.hours); });
    registerNative(natives::clockMinutes, [](NativeCall& c) { c.returnInt(world.minutes); });
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
