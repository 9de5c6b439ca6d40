// Game memory access: the gear, engine rpm and throttle that no native offers, read
// straight from the vehicle object. The object is reached through the game's entity
// pool, whose address is found once at load by a byte-pattern scan of the game
// executable's image; where each field lies depends on the game build.
#pragma once

#include <cstdint>

#include "host/platform.h"

namespace velquist {

// A range of game memory the system was asked about, and its answer. It is asked again
// only when the range changes, so that the pages are queried once per vehicle (or pool)
// change, not on every read.
struct CheckedRange {
    uintptr_t address = 0;  // the range's first byte; 0: nothing asked yet
    size_t bytes = 0;       // the range's length in bytes
    bool readable = false;  // every page of it is committed and readable
};

struct GameMemory {
    // Address of the game's variable that holds the entity pool's address; 0 when the
    // scan found no match.
    uintptr_t entityPool = 0;
    CheckedRange poolHeader;  // the pool's header
    CheckedRange generation;  // the last handle's generation byte
    CheckedRange slot;        // the last handle's slot: its object's address
    CheckedRange object;      // the last object, up to the end of its furthest field
};

extern GameMemory gameMemory;

// The instruction the scan looks for: it loads the entity pool's address from a variable
// addressed relative to the end of its first seven bytes (mov r9, [rip + displacement];
// mov r8d, ecx; mov rax, [r9 + 8]). `?` bytes are the displacement.
constexpr int entityPoolPatternSize = 14;
constexpr uint8_t entityPoolPattern[entityPoolPatternSize] = {
    0x4C, 0x8B, 0x0D, 0x00, 0x00, 0x00, 0x00, 0x44, 0x8B, 0xC1, 0x49, 0x8B, 0x41, 0x08};
constexpr char entityPoolMask[entityPoolPatternSize + 1] = "xxx????xxxxxxx";

// Where the three fields lie inside the vehicle object of one game build.
struct VehicleFieldOffsets {
    uint32_t gear = 0;      // unsigned 16-bit current gear
    uint32_t rpm = 0;       // float, normalised engine rpm
    uint32_t throttle = 0;  // float
};

// The offsets for the value getGameVersion reports: 3 or less, 4 to 25, 26 or more.
VehicleFieldOffsets vehicleFieldOffsets(int gameVersion);

// The entity-pool variable's address found in an image: the first match of the pattern
// that lies wholly inside its readable pages (committed, readable, no guard page) and
// leads to a variable inside the image, in readable memory: the match's address plus 7
// plus its signed displacement. 0 without one. Pages that cannot be read are not touched.
uintptr_t findEntityPool(platform::ImageRange image);

// Scans the game executable's image (platform::mainModuleImage) and sets
// gameMemory.entityPool.
void locateEntityPool();

// Runs the scan once, when the library's static objects are constructed, so the pool is
// known before the loader's process-attach notification arrives.
struct EntityPoolLocator {
    EntityPoolLocator() { locateEntityPool(); }
};

// The vehicle object's fields for a vehicle handle, at the offsets of the running game
// version. A handle that does not resolve reads as 0: no pool, a slot at or past the
// pool's slot count, a slot stride that no pool has, a stale or free slot, no object, or
// pool or object memory that cannot be read.
uint16_t readCurrentGear(int32_t vehicle);
float readEngineRpm(int32_t vehicle);
float readThrottle(int32_t vehicle);

}  // namespace velquist
