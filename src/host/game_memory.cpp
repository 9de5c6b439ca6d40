#include "host/game_memory.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "host/script_hook.h"

namespace velquist {

GameMemory gameMemory;

namespace {

// Byte offsets of the entity pool's header, of a slot, and of the instruction.
constexpr uintptr_t poolSlotArray = 0;    // 64-bit address of slot 0
constexpr uintptr_t poolGenerations = 8;  // 64-bit address of one generation byte per slot
constexpr uintptr_t poolSlotCount = 16;   // unsigned 32-bit number of slots
constexpr uintptr_t poolSlotStride = 20;  // signed 32-bit bytes per slot
constexpr uintptr_t slotObject = 8;       // 64-bit address of the entity object
constexpr size_t displacementAt = 3;      // signed 32-bit little-endian displacement
constexpr uintptr_t instructionLength = 7;
constexpr size_t poolHeaderBytes = 24;
// The strides a pool can have: a slot holds at least the object's address at 8; no
// slot is as large as a page.
constexpr int32_t minSlotStride = static_cast<int32_t>(slotObject + 8);
constexpr int32_t maxSlotStride = 4096;

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

// Whether every page of the range is committed and readable, as the system says.
bool readableMemory(uintptr_t address, size_t bytes) {
    if (address == 0 || bytes > UINTPTR_MAX - address) return false;
    while (bytes > 0) {
        const platform::MemoryRun run =
            platform::memoryRunAt(reinterpret_cast<const void*>(address), bytes);
        if (run.bytes == 0 || !run.readable) return false;
        address += run.bytes;
        bytes -= run.bytes;
    }
    return true;
}

// The same, asked of the system only when the range differs from the one checked last.
bool readableOnce(CheckedRange& checked, uintptr_t address, size_t bytes) {
    if (checked.address != address || checked.bytes != bytes)
        checked = {address, bytes, readableMemory(address, bytes)};
    return checked.readable;
}

// The vehicle object's address for a handle, or 0 when the handle does not resolve.
uintptr_t vehicleObject(int32_t handle) {
    if (gameMemory.entityPool == 0) return 0;
    const auto pool = static_cast<uintptr_t>(load<uint64_t>(gameMemory.entityPool));
    if (pool == 0) return 0;
    // A negative handle would index before the start of the pool's arrays.
    if (handle < 0) return 0;
    if (!readableOnce(gameMemory.poolHeader, pool, poolHeaderBytes)) return 0;
    const int32_t index = handle >> 8;
    const auto generations = static_cast<uintptr_t>(load<uint64_t>(pool + poolGenerations));
    const auto slots = static_cast<uintptr_t>(load<uint64_t>(pool + poolSlotArray));
    if (generations == 0 || slots == 0) return 0;
    // Only the pool's own slots, laid out one plausible stride apart.
    if (static_cast<uint32_t>(index) >= load<uint32_t>(pool + poolSlotCount)) return 0;
    const auto stride = load<int32_t>(pool + poolSlotStride);
    if (stride < minSlotStride || stride > maxSlotStride) return 0;
    const uintptr_t generationAt = generations + static_cast<uintptr_t>(index);
    if (!readableOnce(gameMemory.generation, generationAt, 1)) return 0;
    // A negative generation byte marks a free slot, whatever its low bits say.
    const auto generation = load<int8_t>(generationAt);
    if (generation < 0 || generation != (handle & 0xFF)) return 0;
    // The game's own arithmetic: a 32-bit product, sign-extended to an address offset.
    const auto offset =
        static_cast<int32_t>(static_cast<uint32_t>(index) * static_cast<uint32_t>(stride));
    const uintptr_t slot = slots + static_cast<uintptr_t>(static_cast<intptr_t>(offset));
    if (!readableOnce(gameMemory.slot, slot + slotObject, sizeof(uint64_t))) return 0;
    return static_cast<uintptr_t>(load<uint64_t>(slot + slotObject));
}

// The running version's field offsets, when the object's bytes up to its furthest field
// can be read; nullopt otherwise.
std::optional<VehicleFieldOffsets> readableFields(uintptr_t object) {
    const VehicleFieldOffsets at = vehicleFieldOffsets(shv::getGameVersion());
    const size_t end =
        std::max({at.gear + sizeof(uint16_t), at.rpm + sizeof(float), at.throttle + sizeof(float)});
    if (!readableOnce(gameMemory.object, object, end)) return std::nullopt;
    return at;
}

// The first match in [first, last) whose pool variable lies in the image, in memory that
// can be read; 0 without one. Every byte of the span can be read.
uintptr_t findInSpan(const uint8_t* first, const uint8_t* last, platform::ImageRange image) {
    if (last - first < entityPoolPatternSize) return 0;
    // The last start at which all 14 bytes still lie inside the span.
    const uint8_t* const lastStart = last - entityPoolPatternSize;
    const auto imageBegin = reinterpret_cast<uintptr_t>(image.base);
    const uintptr_t imageEnd = imageBegin + image.size;
    for (const uint8_t* match = first; match <= lastStart; ++match) {
        // Jump to the next candidate for the first byte; the rest is compared in full.
        const auto* next = static_cast<const uint8_t*>(
            std::memchr(match, entityPoolPattern[0], static_cast<size_t>(lastStart - match) + 1));
        if (next == nullptr) break;
        match = next;
        if (!matchesAt(match)) continue;
        int32_t displacement;
        std::memcpy(&displacement, match + displacementAt, sizeof displacement);
        const uintptr_t variable = reinterpret_cast<uintptr_t>(match) + instructionLength +
                                   static_cast<uintptr_t>(static_cast<intptr_t>(displacement));
        // A variable outside the image, or in pages that cannot be read, is no pool's.
        if (variable < imageBegin || variable > imageEnd - sizeof(uint64_t)) continue;
        if (!readableMemory(variable, sizeof(uint64_t))) continue;
        return variable;
    }
    return 0;
}

}  // namespace

VehicleFieldOffsets vehicleFieldOffsets(int gameVersion) {
    if (gameVersion <= 3) return {0x792, 0x7C4, 0x7D4};
    if (gameVersion <= 25) return {0x7A2, 0x7D4, 0x7E4};
    return {0x7C2, 0x7F4, 0x804};
}

uintptr_t findEntityPool(platform::ImageRange image) {
    if (image.base == nullptr || image.size < static_cast<size_t>(entityPoolPatternSize)) return 0;
    // Only the image's readable pages are scanned: protected executables hold pages that
    // cannot be read, or guard pages that a single read uses up. Readable runs that follow
    // each other make one span, so a match may cross from one into the next.
    const uint8_t* const end = image.base + image.size;
    const uint8_t* at = image.base;
    const uint8_t* span = nullptr;  // start of the readable span being gathered
    while (at < end) {
        const platform::MemoryRun run = platform::memoryRunAt(at, static_cast<size_t>(end - at));
        if (run.bytes == 0) break;
        if (run.readable && span == nullptr) span = at;
        if (!run.readable && span != nullptr) {
            if (const uintptr_t pool = findInSpan(span, at, image)) return pool;
            span = nullptr;
        }
        at += run.bytes;
    }
    return span != nullptr ? findInSpan(span, at, image) : 0;
}

void locateEntityPool() {
    gameMemory.entityPool = findEntityPool(platform::mainModuleImage());
}

uint16_t readCurrentGear(int32_t vehicle) {
    const uintptr_t object = vehicleObject(vehicle);
    if (object == 0) return 0;
    const auto at = readableFields(object);
    return at ? load<uint16_t>(object + at->gear) : 0;
}

float readEngineRpm(int32_t vehicle) {
    const uintptr_t object = vehicleObject(vehicle);
    if (object == 0) return 0.0f;
    const auto at = readableFields(object);
    return at ? load<float>(object + at->rpm) : 0.0f;
}

float readThrottle(int32_t vehicle) {
    const uintptr_t object = vehicleObject(vehicle);
    if (object == 0) return 0.0f;
    const auto at = readableFields(object);
    return at ? load<float>(object + at->throttle) : 0.0f;
}

}  // namespace velquist
