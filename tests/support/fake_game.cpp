#include "support/fake_game.h"

#include "host/game_memory.h"
#include "host/natives.h"
#include "support/test_host.h"

namespace testing_host {

namespace {

namespace natives = velquist::natives;

int32_t i32(const NativeRecord& call, size_t n) {
    return n < call.args.size() ? static_cast<int32_t>(static_cast<uint32_t>(call.args[n])) : 0;
}

const char* text(const NativeRecord& call, size_t n) {
    return n < call.args.size() ? reinterpret_cast<const char*>(call.args[n]) : nullptr;
}

void returnInt(uint64_t* result, int32_t v) {
    result[0] = static_cast<uint32_t>(v);
}
void returnFloat(uint64_t* result, float v) {
    std::memcpy(result, &v, sizeof v);
}

}  // namespace

FakeGame::FakeGame() {
    pool_.install();
    auto& a = host.answers;
    a[natives::playerId] = [this](const NativeRecord&, uint64_t* r) { returnInt(r, playerIndex); };
    a[natives::playerPedId] = [this](const NativeRecord&, uint64_t* r) { returnInt(r, ped); };
    a[natives::vehiclePedIsUsing] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, i32(c, 0) == ped ? inUse : 0);
    };
    a[natives::isControlPressed] = [this](const NativeRecord& c, uint64_t* r) {
        const int32_t control = i32(c, 1);
        returnInt(r, i32(c, 0) == 2 && ((control == 76 && handbrake) || pressed.count(control)));
    };
    a[natives::isControlEnabled] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, i32(c, 0) != 2 || disabled.count(i32(c, 1)) == 0);
    };
    a[natives::doesEntityExist] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, i32(c, 0) == ped ? pedExists : vehicles_.count(i32(c, 0)) != 0);
    };
    a[natives::isPlayerControlOn] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, i32(c, 0) == playerIndex && control);
    };
    a[natives::isEntityDead] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, i32(c, 0) == ped && dead);
    };
    a[natives::isPlayerBeingArrested] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, i32(c, 0) == playerIndex && arrested);
    };
    a[natives::isPedRunningPhoneTask] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, i32(c, 0) == ped && phone);
    };
    a[natives::isPedInAnyVehicle] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, i32(c, 0) == ped && inUse != 0);
    };
    a[natives::vehicleCamViewMode] = [this](const NativeRecord&, uint64_t* r) {
        returnInt(r, viewMode);
    };
    a[natives::isHudComponentActive] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, hudShown.count(i32(c, 0)) != 0);
    };
    a[natives::clockHours] = [this](const NativeRecord&, uint64_t* r) { returnInt(r, hours); };
    a[natives::clockMinutes] = [this](const NativeRecord&, uint64_t* r) { returnInt(r, minutes); };
    a[natives::aspectRatio] = [this](const NativeRecord&, uint64_t* r) {
        returnFloat(r, aspectRatio);
    };
    auto vehicleAnswer = [this](auto answer) {
        return [this, answer](const NativeRecord& c, uint64_t* r) {
            auto it = vehicles_.find(i32(c, 0));
            if (it != vehicles_.end()) answer(it->second, c, r);
        };
    };
    a[natives::entityModel] =
        vehicleAnswer([](FakeVehicle& v, const NativeRecord&, uint64_t* r) { r[0] = v.model; });
    a[natives::displayNameOfModel] = [this](const NativeRecord& c, uint64_t* r) {
        for (auto& [handle, v] : vehicles_)
            if (v.model == static_cast<uint32_t>(i32(c, 0)))
                r[0] = reinterpret_cast<uintptr_t>(v.label);
    };
    a[natives::vehicleClass] = vehicleAnswer(
        [](FakeVehicle& v, const NativeRecord&, uint64_t* r) { returnInt(r, v.vehicleClass); });
    a[natives::entitySpeed] = vehicleAnswer(
        [](FakeVehicle& v, const NativeRecord&, uint64_t* r) { returnFloat(r, v.speed); });
    a[natives::entitySpeedVector] =
        vehicleAnswer([](FakeVehicle& v, const NativeRecord&, uint64_t* r) {
            auto* bytes = reinterpret_cast<uint8_t*>(r);
            for (size_t k = 0; k < 3; ++k)
                std::memcpy(bytes + 8 * k, &v.velocity[k], sizeof(float));
        });
    a[natives::isEngineRunning] = vehicleAnswer(
        [](FakeVehicle& v, const NativeRecord&, uint64_t* r) { returnInt(r, v.engine); });
    a[natives::engineHealth] = vehicleAnswer(
        [](FakeVehicle& v, const NativeRecord&, uint64_t* r) { returnFloat(r, v.health); });
    a[natives::pedInVehicleSeat] =
        vehicleAnswer([](FakeVehicle& v, const NativeRecord& c, uint64_t* r) {
            if (i32(c, 1) == -1) returnInt(r, v.driver);
        });
    a[natives::customPrimaryColour] = vehicleAnswer([](FakeVehicle& v, const NativeRecord& c,
                                                       uint64_t*) {
        for (size_t k = 0; k < 3; ++k)
            if (auto* out = reinterpret_cast<int32_t*>(k + 1 < c.args.size() ? c.args[k + 1] : 0))
                *out = v.colour[k];
    });
    a[natives::decoratorExists] =
        vehicleAnswer([](FakeVehicle& v, const NativeRecord& c, uint64_t* r) {
            const std::string name = text(c, 1);
            returnInt(r, v.floatDecorators.count(name) + v.intDecorators.count(name) != 0);
        });
    a[natives::decoratorFloat] =
        vehicleAnswer([](FakeVehicle& v, const NativeRecord& c, uint64_t* r) {
            auto it = v.floatDecorators.find(text(c, 1));
            if (it != v.floatDecorators.end()) returnFloat(r, it->second);
        });
    a[natives::decoratorInt] =
        vehicleAnswer([](FakeVehicle& v, const NativeRecord& c, uint64_t* r) {
            auto it = v.intDecorators.find(text(c, 1));
            if (it != v.intDecorators.end()) returnInt(r, it->second);
        });
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
