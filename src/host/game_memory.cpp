#include "host/game_memory.h"

#include <cstring>

#include "host/script_hook.h"

namespace velquist {

GameMemory gameMemory;

namespace {

// Byte offsets of the entity pool's header, of a slot, and of the instruction.
constexpr uintptr_t poolSlotArray = 0;    // 64-bit address of slot 0
constexpr uintptr_t poolGenerations = 8;  // 64-bit address of one generation byte per slot
constexpr uintptr_t poolSlotStride = 20;  // signed 32-bit bytes per slot
constexpr uintptr_t slotObject = 8;       // 64-bit address of the entity object
constexpr size_t displacementAt = 3;      // signed 32-bit little-endian displacement
constexpr uintptr_t instructionLength = 7;

// A value at any address; the fields of game objects need not be aligned.
template <class T>
T load(uintptr_t address) {
    T value;
    std::memcpy(&value, reinterpret_cast<const void*>(address), sizeof value);
    return value;
}

// The scan looks for the first byte on its own before it compares the rest.
static_assert(entityPoolMask[0] == 'x');

bool matchesAt(const uint8_t* at) {
    for (int i = 0; i < entityPoolPatternSize; ++i)
        if (entityPoolMask[i] == 'x' && at[i] != entityPoolPattern[i]) return false;
    return true;
}

// The vehicle object's address for a handle, or 0 when the handle does not resolve.
uintptr_t vehicleObject(int32_t handle) {
    if (gameMemory.entityPool == 0) return 0;
    const auto pool = static_cast<uintptr_t>(load<uint64_t>(gameMemory.entityPool));
    if (pool == 0) return 0;
    // A negative handle would index before the start of the pool's arrays.
    if (handle < 0) return 0;
    const int32_t index = handle >> 8;
    const auto generations = static_cast<uintptr_t>(load<uint64_t>(pool + poolGenerations));
    const auto slots = static_cast<uintptr_t>(load<uint64_t>(pool + poolSlotArray));
    if (generations == 0 || slots == 0) return 0;
    // A negative generation byte marks a free slot, whatever its low bits say.
    const auto generation = load<int8_t>(generations + static_cast<uintptr_t>(index));
    if (generation < 0 || generation != (handle & 0xFF)) return 0;
    const auto stride = load<int32_t>(pool + poolSlotStride);
    // The game's own arithmetic: a 32-bit product, sign-extended to an address offset.
    const auto offset =
        static_cast<int32_t>(static_cast<uint32_t>(index) * static_cast<uint32_t>(stride));
    const uintptr_t slot = slots + static_cast<uintptr_t>(static_cast<intptr_t>(offset));
    return static_cast<uintptr_t>(load<uint64_t>(slot + slotObject));
}

}  // namespace

VehicleFieldOffsets vehicleFieldOffsets(int gameVersion) {
    if (gameVersion <= 3) return {0x792, 0x7C4, 0x7D4};
    if (gameVersion <= 25) return {0x7A2, 0x7D4, 0x7E4};
    return {0x7C2, 0x7F4, 0x804};
}

uintptr_t findEntityPool(platform::ImageRange image) {
    if (image.base == nullptr || image.size < static_cast<size_t>(entityPoolPatternSize)) return 0;
    // The last start at which all 14 bytes still lie inside the image.
    const uint8_t* const last = image.base + (image.size - entityPoolPatternSize);
    for (const uint8_t* match = image.base; match <= last; ++match) {
        // Jump to the next candidate for the first byte; the rest is compared in full.
        const auto* next = static_cast<const uint8_t*>(
            std::memchr(match, entityPoolPattern[0], static_cast<size_t>(last - match) + 1));
        if (next == nullptr) break;
        match = next;
        if (!matchesAt(match)) continue;
        int32_t displacement;
        std::memcpy(&displacement, match + displacementAt, sizeof displacement);
        return reinterpret_cast<uintptr_t>(match) + instructionLength +
               static_cast<uintptr_t>(static_cast<intptr_t>(displacement));
    }
    return 0;
}

void locateEntityPool() {
    gameMemory.entityPool = findEntityPool(platform::mainModuleImage());
}

uint16_t readCurrentGear(int32_t vehicle) {
    const uintptr_t object = vehicleObject(vehicle);
    if (object == 0) return 0;
    return load<uint16_t>(object + vehicleFieldOffsets(shv::getGameVersion()).gear);
}

float readEngineRpm(int32_t vehicle) {
    const uintptr_t object = vehicleObject(vehicle);
    if (object == 0) return 0.0f;
    return load<float>(object + vehicleFieldOffsets(shv::getGameVersion()).rpm);
}

float readThrottle(int32_t vehicle) {
    const uintptr_t object = vehicleObject(vehicle);
    if (object == 0) return 0.0f;
    return load<float>(object + vehicleFieldOffsets(shv::getGameVersion()).throttle);
}

}  // namespace velquist
