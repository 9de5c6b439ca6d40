// The game's memory as the plug-in reads it: the entity pool (header, slot array,
// generation bytes), one object per entity, and, for the linked plug-in, a main-module
// image holding the instruction that leads to the pool's variable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sim {

// Where the game build of a version keeps three fields of a vehicle object.
struct VehicleLayout {
    uint32_t gear = 0;      // unsigned 16-bit current gear
    uint32_t rpm = 0;       // float, normalised engine rpm
    uint32_t throttle = 0;  // float
};
VehicleLayout vehicleLayout(int gameVersion);

struct Entity {
    int32_t handle = 0;         // slot index << 8 | generation
    uint8_t* object = nullptr;  // SimulatedMemory::objectSize bytes, page aligned
};

// Where a slot's object address points: the entity's own object, an address with no
// memory behind it, or an object whose first bytes can be read and whose fields lie in an
// inaccessible page.
enum class ObjectPlace { own, unmapped, cut };

// A read of a watched object: which object, at which byte offset.
struct ObjectRead {
    const uint8_t* object = nullptr;
    uint32_t offset = 0;
};

class SimulatedMemory {
  public:
    static constexpr int slotCount = 256;      // slot 0 stays free: handle 0 means none
    static constexpr int32_t slotStride = 24;  // bytes per slot; the object's address at +8
    static constexpr size_t objectSize = 0x900;

    SimulatedMemory();
    ~SimulatedMemory();
    SimulatedMemory(const SimulatedMemory&) = delete;
    SimulatedMemory& operator=(const SimulatedMemory&) = delete;

    // The executable image the linked plug-in scans: the instruction at imagePatternAt,
    // the pool variable at imageVariableAt, and a later copy of the instruction whose
    // variable holds nothing.
    const uint8_t* imageBase() const { return image_.data(); }
    size_t imageSize() const { return image_.size(); }
    static constexpr size_t imagePatternAt = 0x2345;
    static constexpr size_t imageVariableAt = 0x8000;

    // Publishes the pool's address in another variable as well (on Windows: the one in
    // velquist-host.exe's own image, which the real plug-in finds).
    void usePoolVariable(void** variable);

    // Puts a new entity into the next free slot; false when the pool is full.
    bool addEntity(Entity& out);
    // Frees every entity: the pool as at the start.
    void clear();

    // What the pool's header says its slot count is (1..slotCount). Below slotCount its
    // two arrays hold that many entries, right before memory that cannot be read, so that
    // any look at a slot from there on faults; slotCount is the pool as at the start.
    void setSlotCount(int count);
    // Where the entity's slot points; the entity's own object is still written every frame.
    void placeObject(const Entity& entity, ObjectPlace place);
    // Bytes of a cut object that can be read before its inaccessible page begins.
    static constexpr size_t cutObjectReadable = 0x100;

    // While watching, every object faults on its first read after each arm(); the reads
    // are noted and handed out by takeReads.
    void watch(bool on);
    bool watching() const { return watching_; }
    void arm();
    void disarm();
    // Moves the noted reads into out (up to max) and returns how many.
    size_t takeReads(ObjectRead* out, size_t max);
    // The watched object holding the address, as the memory it stands for: its first byte
    // and the end of its pages, readable and writable whatever the watch made of them.
    // False when the address is in no watched object.
    bool watchedObjectAt(uintptr_t address, uintptr_t& start, uintptr_t& end) const;

  private:
    static bool onFault(uintptr_t address);
    void buildImage();
    // Copies the slots and generations below the cut slot count to the cut arrays.
    void publish();
    void uncut();
    uint8_t* faultArea();

    std::vector<uint8_t> image_;
    alignas(8) uint8_t header_[24] = {};
    std::vector<uint8_t> slots_;
    std::vector<uint8_t> generations_;
    std::vector<uint8_t*> objects_;   // by slot; null when free
    int slotCountShown_ = slotCount;  // what the header says
    uint8_t* cutBlock_ = nullptr;     // the cut arrays' pages, each array before a no-access page
    size_t cutBytes_ = 0;
    uint8_t* cutGenerations_ = nullptr;
    uint8_t* cutSlots_ = nullptr;
    uint8_t* faultArea_ = nullptr;  // a readable page, then a no-access page: cut objects
    size_t faultBytes_ = 0;
    uint8_t* unmapped_ = nullptr;  // a reserved page with no memory behind it
    int used_ = 1;                 // slots taken, slot 0 included
    size_t objectBytes_ = 0;       // whole pages per object
    bool watching_ = false;
    // Some object may be protected: only then does disarm() ask the system for anything, so
    // that a run without --memory makes no system call for it on every frame.
    bool armed_ = false;
};

extern SimulatedMemory memory;

}  // namespace sim
