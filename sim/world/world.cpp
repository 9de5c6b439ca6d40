#include "world/world.h"

#include <cstdio>
#include <cstring>

#include "host/sim_host.h"
#include "world/drive_model.h"

namespace sim {

World world;

namespace {

// The three fields' bytes for every game version, cleared before the running version's
// offsets are written, so a reader at another version's offset finds nothing.
constexpr uint32_t fieldAreaStart = 0x780;
constexpr uint32_t fieldAreaEnd = 0x810;

void writeObject(Vehicle& v, const VehicleLayout& layout) {
    uint8_t* o = v.entity.object;
    if (!o) return;
    std::memset(o + fieldAreaStart, 0, fieldAreaEnd - fieldAreaStart);
    std::memcpy(o + layout.gear, &v.gear, sizeof v.gear);
    std::memcpy(o + layout.rpm, &v.rpm, sizeof v.rpm);
    std::memcpy(o + layout.throttle, &v.throttle, sizeof v.throttle);
}

Vehicle* vehicleWithObject(const uint8_t* object) {
    for (auto& v : world.vehicles)
        if (v->entity.object == object) return v.get();
    return nullptr;
}

void traceRead(const ObjectRead& read) {
    const Vehicle* v = vehicleWithObject(read.object);
    if (!v) return;  // a ped's object
    char offset[16];
    std::snprintf(offset, sizeof offset, "0x%X", static_cast<unsigned>(read.offset));
    auto e = event("read");
    e.field("vehicle", v->name).field("offset", offset);
    const VehicleLayout layout = vehicleLayout(host.gameVersion);
    if (read.offset == layout.gear) {
        uint16_t gear;
        std::memcpy(&gear, read.object + read.offset, sizeof gear);
        e.field("field", "gear").field("value", int64_t{gear});
    } else if (read.offset == layout.rpm || read.offset == layout.throttle) {
        float value;
        std::memcpy(&value, read.object + read.offset, sizeof value);
        e.field("field", read.offset == layout.rpm ? "rpm" : "throttle")
            .field("value", static_cast<double>(value));
    }
}

}  // namespace

void createWorld() {
    if (world.player.ped != 0) return;
    Entity ped, other;
    memory.addEntity(ped);
    memory.addEntity(other);
    world.player.ped = ped.handle;
    world.otherPed = other.handle;
}

void resetWorld() {
    world = World{};
    memory.clear();
    createWorld();
}

Vehicle* vehicleNamed(const std::string& name) {
    for (auto& v : world.vehicles)
        if (v->name == name) return v.get();
    return nullptr;
}

Vehicle* vehicleWithHandle(int32_t handle) {
    if (handle == 0) return nullptr;
    for (auto& v : world.vehicles)
        if (v->entity.handle == handle) return v.get();
    return nullptr;
}

Vehicle* addVehicle(const std::string& name, const std::string* label, int32_t vehicleClass,
                    uint32_t model) {
    createWorld();
    auto v = std::make_unique<Vehicle>();
    if (!memory.addEntity(v->entity)) return nullptr;
    v->name = name;
    v->hasLabel = label != nullptr;
    if (label) v->label = *label;
    v->vehicleClass = vehicleClass;
    v->model = model;
    world.vehicles.push_back(std::move(v));
    return world.vehicles.back().get();
}

void leaveVehicle() {
    Vehicle* v = world.player.vehicle;
    if (!v) return;
    if (v->driver == Driver::player) v->driver = Driver::none;
    world.player.vehicle = nullptr;
    world.player.passenger = false;
}

void enterVehicle(Vehicle& v, bool asPassenger) {
    leaveVehicle();
    world.player.vehicle = &v;
    world.player.passenger = asPassenger;
    if (!asPassenger)
        v.driver = Driver::player;
    else if (v.driver == Driver::player)
        v.driver = Driver::none;
}

void stepWorld(uint32_t ms, int gameVersion) {
    const float seconds = static_cast<float>(ms) * 0.001f;
    for (auto& v : world.vehicles)
        if (v->drive.on) stepDrive(*v, seconds);
    const VehicleLayout layout = vehicleLayout(gameVersion);
    memory.disarm();
    for (auto& v : world.vehicles)
        writeObject(*v, layout);
    memory.arm();
}

void noteHostEntry() {
    if (!memory.watching()) return;
    ObjectRead reads[64];
    size_t n;
    while ((n = memory.takeReads(reads, 64)) > 0)
        for (size_t i = 0; i < n; ++i)
            traceRead(reads[i]);
    memory.arm();
}

uint32_t modelHash(const std::string& name) {
    uint32_t h = 0;
    for (char ch : name) {
        const char c = (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
        h += static_cast<uint8_t>(c);
        h += h << 10;
        h ^= h >> 6;
    }
    h += h << 3;
    h ^= h >> 11;
    h += h << 15;
    return h;
}

}  // namespace sim
