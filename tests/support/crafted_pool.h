// An entity pool laid out as the game keeps it (header, slot array, generation bytes,
// vehicle objects), built by hand for the game-memory readers.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

namespace testing_host {

class CraftedPool {
  public:
    static constexpr int slotCount = 16;
    static constexpr int32_t stride = 40;
    static constexpr size_t objectSize = 0x900;

    CraftedPool();
    CraftedPool(const CraftedPool&) = delete;
    CraftedPool& operator=(const CraftedPool&) = delete;

    // Gives the slot an object and a generation byte; returns the handle slot << 8 | generation.
    int32_t addObject(int slot, uint8_t generation);
    void setGeneration(int slot, uint8_t generation);
    // Leaves the slot's object address null.
    void dropObject(int slot);
    // Points the slot at an object elsewhere (memory the pool does not own).
    void pointObjectAt(int slot, uintptr_t address);
    // What the header says: the number of slots and the bytes per slot.
    void setSlotCount(uint32_t count);
    void setStride(int32_t bytes);

    // Writes a field of the slot's object.
    template <class T>
    void put(int slot, uint32_t offset, T value) {
        std::memcpy(objects_[static_cast<size_t>(slot)].data() + offset, &value, sizeof value);
    }
    // Fills a byte range of the slot's object.
    void fill(int slot, uint32_t from, uint32_t to, uint8_t byte);

    // Address of the variable holding the pool's address: where the scan leads.
    uintptr_t variable() const { return reinterpret_cast<uintptr_t>(&variable_); }
    // The header's address, to be stored in a variable elsewhere.
    uintptr_t header() const { return reinterpret_cast<uintptr_t>(header_); }
    // Makes the readers use this pool.
    void install() const;

  private:
    alignas(8) uint8_t header_[24] = {};
    std::vector<uint8_t> slots_;
    std::vector<uint8_t> generations_;
    std::vector<std::vector<uint8_t>> objects_;
    uint64_t variable_ = 0;
};

}  // namespace testing_host
