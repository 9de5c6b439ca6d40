#include "support/fake_game.h"

#include "host/game_memory.h"
#include "support/test_host.h"

namespace testing_host {

namespace {

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
    a[0x4F8644AF03D0E0D6] = [this](const NativeRecord&, uint64_t* r) { returnInt(r, playerIndex); };
    a[0xD80958FC74E988A6] = [this](const NativeRecord&, uint64_t* r) { returnInt(r, ped); };
    a[0x6094AD011A2EA87D] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, i32(c, 0) == ped ? inUse : 0);
    };
    a[0xF3A21BCD95725A4A] = [this](const NativeRecord& c, uint64_t* r) {
        const int32_t control = i32(c, 1);
        returnInt(r, i32(c, 0) == 2 && ((control == 76 && handbrake) || pressed.count(control)));
    };
    a[0x1CEA6BFDF248E5D9] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, i32(c, 0) != 2 || disabled.count(i32(c, 1)) == 0);
    };
    a[0x7239B21A38F536BA] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, i32(c, 0) == ped ? pedExists : vehicles_.count(i32(c, 0)) != 0);
    };
    a[0x49C32D60007AFA47] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, i32(c, 0) == playerIndex && control);
    };
    a[0x5F9532F3B5CC2551] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, i32(c, 0) == ped && dead);
    };
    a[0x388A47C51ABDAC8E] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, i32(c, 0) == playerIndex && arrested);
    };
    a[0x2AFE52F782F25775] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, i32(c, 0) == ped && phone);
    };
    a[0x997ABD671D25CA0B] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, i32(c, 0) == ped && inUse != 0);
    };
    a[0xA4FF579AC0E3AAAE] = [this](const NativeRecord&, uint64_t* r) { returnInt(r, viewMode); };
    a[0xBC4C9EA5391ECC0D] = [this](const NativeRecord& c, uint64_t* r) {
        returnInt(r, hudShown.count(i32(c, 0)) != 0);
    };
    a[0x25223CA6B4D20B7F] = [this](const NativeRecord&, uint64_t* r) { returnInt(r, hours); };
    a[0x13D2B8ADD79640F2] = [this](const NativeRecord&, uint64_t* r) { returnInt(r, minutes); };
    a[0xF1307EF624A80D87] = [this](const NativeRecord&, uint64_t* r) {
        returnFloat(r, aspectRatio);
    };
    auto vehicleAnswer = [this](auto answer) {
        return [this, answer](const NativeRecord& c, uint64_t* r) {
            auto it = vehicles_.find(i32(c, 0));
            if (it != vehicles_.end()) answer(it->second, c, r);
        };
    };
    a[0x9F47B058362C84B5] =
        vehicleAnswer([](FakeVehicle& v, const NativeRecord&, uint64_t* r) { r[0] = v.model; });
    a[0xB215AAC32D25D019] = [this](const NativeRecord& c, uint64_t* r) {
        for (auto& [handle, v] : vehicles_)
            if (v.model == static_cast<uint32_t>(i32(c, 0)))
                r[0] = reinterpret_cast<uintptr_t>(v.label);
    };
    a[0x29439776AAA00A62] = vehicleAnswer(
        [](FakeVehicle& v, const NativeRecord&, uint64_t* r) { returnInt(r, v.vehicleClass); });
    a[0xD5037BA82E12416F] = vehicleAnswer(
        [](FakeVehicle& v, const NativeRecord&, uint64_t* r) { returnFloat(r, v.speed); });
    a[0x9A8D700A51CB7B0D] = vehicleAnswer([](FakeVehicle& v, const NativeRecord&, uint64_t* r) {
        auto* bytes = reinterpret_cast<uint8_t*>(r);
        for (size_t k = 0; k < 3; ++k)
            std::memcpy(bytes + 8 * k, &v.velocity[k], sizeof(float));
    });
    a[0xAE31E7DF9B5B132E] = vehicleAnswer(
        [](FakeVehicle& v, const NativeRecord&, uint64_t* r) { returnInt(r, v.engine); });
    a[0xC45D23BAF168AAB8] = vehicleAnswer(
        [](FakeVehicle& v, const NativeRecord&, uint64_t* r) { returnFloat(r, v.health); });
    a[0xBB40DD2270B65366] = vehicleAnswer([](FakeVehicle& v, const NativeRecord& c, uint64_t* r) {
        if (i32(c, 1) == -1) returnInt(r, v.driver);
    });
    a[0xB64CF2CCA9D95F52] = vehicleAnswer([](FakeVehicle& v, const NativeRecord& c, uint64_t*) {
        for (size_t k = 0; k < 3; ++k)
            if (auto* out = reinterpret_cast<int32_t*>(k + 1 < c.args.size() ? c.args[k + 1] : 0))
                *out = v.colour[k];
    });
    a[0x05661B80A8C9165F] = vehicleAnswer([](FakeVehicle& v, const NativeRecord& c, uint64_t* r) {
        const std::string name = text(c, 1);
        returnInt(r, v.floatDecorators.count(name) + v.intDecorators.count(name) != 0);
    });
    a[0x6524A2F114706F43] = vehicleAnswer([](FakeVehicle& v, const NativeRecord& c, uint64_t* r) {
        auto it = v.floatDecorators.find(text(c, 1));
        if (it != v.floatDecorators.end()) returnFloat(r, it->second);
    });
    a[0xA06C969B02A97298] = vehicleAnswer([](FakeVehicle& v, const NativeRecord& c, uint64_t* r) {
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
    int n = 0;
    for (const NativeRecord& r : host.natives)
        n += r.hash == hash;
    return n;
}

void FakeGame::clearCalls() {
    host.natives.clear();
}

}  // namespace testing_host
