#include "support/crafted_pool.h"

#include "host/game_memory.h"

namespace testing_host {

namespace {

void put64(uint8_t* at, uintptr_t value) {
    const auto v = static_cast<uint64_t>(value);
    std::memcpy(at, &v, sizeof v);
}

}  // namespace

CraftedPool::CraftedPool()
    : slots_(static_cast<size_t>(slotCount) * stride),
      generations_(slotCount, 0xFF),
      objects_(slotCount, std::vector<uint8_t>(objectSize)) {
    put64(header_ + 0, reinterpret_cast<uintptr_t>(slots_.data()));
    put64(header_ + 8, reinterpret_cast<uintptr_t>(generations_.data()));
    setSlotCount(slotCount);
    setStride(stride);
    variable_ = reinterpret_cast<uintptr_t>(header_);
}

int32_t CraftedPool::addObject(int slot, uint8_t generation) {
    setGeneration(slot, generation);
    put64(slots_.data() + static_cast<size_t>(slot) * stride + 8,
          reinterpret_cast<uintptr_t>(objects_[static_cast<size_t>(slot)].data()));
    return slot << 8 | generation;
}

void CraftedPool::setGeneration(int slot, uint8_t generation) {
    generations_[static_cast<size_t>(slot)] = generation;
}

void CraftedPool::dropObject(int slot) {
    put64(slots_.data() + static_cast<size_t>(slot) * stride + 8, 0);
}

void CraftedPool::pointObjectAt(int slot, uintptr_t address) {
    put64(slots_.data() + static_cast<size_t>(slot) * stride + 8, address);
}

void CraftedPool::setSlotCount(uint32_t count) {
    std::memcpy(header_ + 16, &count, sizeof count);
}

void CraftedPool::setStride(int32_t bytes) {
    std::memcpy(header_ + 20, &bytes, sizeof bytes);
}

void CraftedPool::fill(int slot, uint32_t from, uint32_t to, uint8_t byte) {
    std::memset(objects_[static_cast<size_t>(slot)].data() + from, byte, to - from);
}

void CraftedPool::install() const {
    velquist::gameMemory.entityPool = variable();
}

}  // namespace testing_host
