#include "support/fake_game.h"

#include "host/game_memory.h"
#include "host/natives.h"
#include "support/test_host.h"

namespace testing_host {

namespace {

namespace natives = velquist::natives;
using answers::NativeCall;

FakeGame& game(const NativeCall& c) {
    return *static_cast<FakeGame*>(c.context());
}

}  // namespace

void FakeGame::answer(uint64_t hash, answers::Handler handler) {
    host.answers.answerWith(hash, handler, this);
}

FakeVehicle* FakeGame::vehicleArg(const NativeCall& c) {
    auto it = game(c).vehicles_.find(c.i32(0));
    return it == game(c).vehicles_.end() ? nullptr : &it->second;
}

void FakeGame::answerPlayer() {
    answer(natives::playerId, [](NativeCall& c) { c.returnInt(game(c).playerIndex); });
    answer(natives::playerPedId, [](NativeCall& c) { c.returnInt(game(c).ped); });
    answer(natives::vehiclePedIsUsing,
           [](NativeCall& c) { c.returnInt(c.i32(0) == game(c).ped ? game(c).inUse : 0); });
    answer(natives::doesEntityExist, [](NativeCall& c) {
        const FakeGame& g = game(c);
        c.returnBool(c.i32(0) == g.ped ? g.pedExists : g.vehicles_.count(c.i32(0)) != 0);
    });
    answer(natives::isPlayerControlOn,
           [](NativeCall& c) { c.returnBool(c.i32(0) == game(c).playerIndex && game(c).control); });
    answer(natives::isEntityDead,
           [](NativeCall& c) { c.returnBool(c.i32(0) == game(c).ped && game(c).dead); });
    answer(natives::isPlayerBeingArrested, [](NativeCall& c) {
        c.returnBool(c.i32(0) == game(c).playerIndex && game(c).arrested);
    });
    answer(natives::isPedRunningPhoneTask,
           [](NativeCall& c) { c.returnBool(c.i32(0) == game(c).ped && game(c).phone); });
    answer(natives::isPedInAnyVehicle,
           [](NativeCall& c) { c.returnBool(c.i32(0) == game(c).ped && game(c).inUse != 0); });
}

void FakeGame::answerScene() {
    answer(natives::isControlPressed, [](NativeCall& c) {
        const FakeGame& g = game(c);
        const int32_t control = c.i32(1);
        c.returnBool(c.i32(0) == 2 && ((control == 76 && g.handbrake) || g.pressed.count(control)));
    });
    answer(natives::isControlEnabled, [](NativeCall& c) {
        c.returnBool(c.i32(0) != 2 || game(c).disabled.count(c.i32(1)) == 0);
    });
    answer(natives::vehicleCamViewMode, [](NativeCall& c) { c.returnInt(game(c).viewMode); });
    answer(natives::isHudComponentActive,
           [](NativeCall& c) { c.returnBool(game(c).hudShown.count(c.i32(0)) != 0); });
    answer(natives::clockHours, [](NativeCall& c) { c.returnInt(game(c).hours); });
    answer(natives::clockMinutes, [](NativeCall& c) { c.returnInt(game(c).minutes); });
    answer(natives::aspectRatio, [](NativeCall& c) { c.returnFloat(game(c).aspectRatio); });
}

void FakeGame::answerVehicles() {
    answer(natives::entityModel, [](NativeCall& c) {
        if (FakeVehicle* v = vehicleArg(c)) c.returnInt(static_cast<int32_t>(v->model));
    });
    answer(natives::displayNameOfModel, [](NativeCall& c) {
        for (auto& [handle, v] : game(c).vehicles_)
            if (v.model == static_cast<uint32_t>(c.i32(0))) c.returnText(v.label);
    });
    answer(natives::vehicleClass, [](NativeCall& c) {
        if (FakeVehicle* v = vehicleArg(c)) c.returnInt(v->vehicleClass);
    });
    answer(natives::entitySpeed, [](NativeCall& c) {
        if (FakeVehicle* v = vehicleArg(c)) c.returnFloat(v->speed);
    });
    answer(natives::entitySpeedVector, [](NativeCall& c) {
        if (FakeVehicle* v = vehicleArg(c))
            c.returnVector(v->velocity[0], v->velocity[1], v->velocity[2]);
    });
    answer(natives::isEngineRunning, [](NativeCall& c) {
        if (FakeVehicle* v = vehicleArg(c)) c.returnBool(v->engine);
    });
    answer(natives::engineHealth, [](NativeCall& c) {
        if (FakeVehicle* v = vehicleArg(c)) c.returnFloat(v->health);
    });
    answer(natives::pedInVehicleSeat, [](NativeCall& c) {
        FakeVehicle* v = vehicleArg(c);
        if (v && c.i32(1) == -1) c.returnInt(v->driver);
    });
    answer(natives::customPrimaryColour, [](NativeCall& c) {
        if (FakeVehicle* v = vehicleArg(c))
            for (size_t k = 0; k < 3; ++k)
                if (int32_t* out = c.out<int32_t>(k + 1)) *out = v->colour[k];
    });
}

void FakeGame::answerDecorators() {
    answer(natives::decoratorExists, [](NativeCall& c) {
        FakeVehicle* v = vehicleArg(c);
        if (!v) return;
        const std::string name = c.text(1);
        c.returnBool(v->floatDecorators.count(name) + v->intDecorators.count(name) != 0);
    });
    answer(natives::decoratorFloat, [](NativeCall& c) {
        FakeVehicle* v = vehicleArg(c);
        if (!v) return;
        auto it = v->floatDecorators.find(c.text(1));
        if (it != v->floatDecorators.end()) c.returnFloat(it->second);
    });
    answer(natives::decoratorInt, [](NativeCall& c) {
        FakeVehicle* v = vehicleArg(c);
        if (!v) return;
        auto it = v->intDecorators.find(c.text(1));
        if (it != v->intDecorators.end()) c.returnInt(it->second);
    });
}

FakeGame::FakeGame() {
    pool_.install();
    answerPlayer();
    answerScene();
    answerVehicles();
    answerDecorators();
}

int32_t FakeGame::add(const FakeVehicle& v) {
    const int32_t handle = pool_.addObject(v.slot, static_cast<uint8_t>(v.slot * 3 + 1));
    vehicles_[handle] = v;
    vehicles_[handle].driver = ped;
    return handle;
}

void FakeGame::setMemory(int32_t handle, uint16_t gear, float rpm, float throttle) {
    const velquist::VehicleFieldOffsets at = velquist::vehicleFieldOffsets(host.gameVersion);
    const int slot = handle >> 8;
    pool_.put(slot, at.gear, gear);
    pool_.put(slot, at.rpm, rpm);
    pool_.put(slot, at.throttle, throttle);
}

int FakeGame::calls(uint64_t hash) const {
    return callsOf(hash);
}

void FakeGame::clearCalls() {
    host.natives.clear();
}

}  // namespace testing_host
