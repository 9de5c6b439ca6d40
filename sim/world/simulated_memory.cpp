#include "world/simulated_memory.h"

#include <cstring>

#include "world/memory_pages.h"

namespace sim {

SimulatedMemory memory;

namespace {

// mov r9, [rip + displacement]; mov r8d, ecx; mov rax, [r9 + 8]
constexpr uint8_t poolInstruction[14] = {0x4C, 0x8B, 0x0D, 0,    0,    0,    0,
                                         0x44, 0x8B, 0xC1, 0x49, 0x8B, 0x41, 0x08};
constexpr size_t imageBytes = 0x10000;
constexpr size_t nearMissAt = 0x0FF0;       // the instruction with one byte different
constexpr size_t laterPatternAt = 0x9000;   // a second match, past the first
constexpr size_t laterVariableAt = 0xA000;  // holds no pool
constexpr uint8_t filler = 0xCC;

// Reads of watched objects, noted in the fault handler (no allocation there).
constexpr size_t maxPendingReads = 256;
ObjectRead pendingReads[maxPendingReads];
size_t pendingCount = 0;

void putInstruction(std::vector<uint8_t>& image, size_t at, size_t variableAt) {
    std::memcpy(image.data() + at, poolInstruction, sizeof poolInstruction);
    const auto displacement =
        static_cast<int32_t>(static_cast<int64_t>(variableAt) - static_cast<int64_t>(at + 7));
    std::memcpy(image.data() + at + 3, &displacement, sizeof displacement);
}

// Generation byte of a slot in use; free slots carry it with the top bit set.
uint8_t generationOf(int slot) {
    return static_cast<uint8_t>((slot * 7 + 3) & 0x7F);
}

void put64(uint8_t* at, const void* pointer) {
    const auto value = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(pointer));
    std::memcpy(at, &value, sizeof value);
}

}  // namespace

VehicleLayout vehicleLayout(int gameVersion) {
    if (gameVersion <= 3) return {0x792, 0x7C4, 0x7D4};
    if (gameVersion <= 25) return {0x7A2, 0x7D4, 0x7E4};
    return {0x7C2, 0x7F4, 0x804};
}

SimulatedMemory::SimulatedMemory()
    : slots_(static_cast<size_t>(slotCount) * slotStride),
      generations_(slotCount),
      objects_(slotCount, nullptr) {
    const size_t page = pageSize();
    objectBytes_ = (objectSize + page - 1) / page * page;
    for (int slot = 0; slot < slotCount; ++slot)
        generations_[static_cast<size_t>(slot)] = static_cast<uint8_t>(0x80 | generationOf(slot));
    put64(header_ + 0, slots_.data());
    put64(header_ + 8, generations_.data());
    const int32_t count = slotCount;
    std::memcpy(header_ + 16, &count, sizeof count);
    std::memcpy(header_ + 20, &slotStride, sizeof slotStride);
    buildImage();
}

SimulatedMemory::~SimulatedMemory() {
    clear();
    freePages(faultArea_, faultBytes_);
    freePages(unmapped_, pageSize());
}

void SimulatedMemory::clear() {
    disarm();
    uncut();
    for (int slot = 1; slot < slotCount; ++slot) {
        const auto i = static_cast<size_t>(slot);
        freePages(objects_[i], objectBytes_);
        objects_[i] = nullptr;
        generations_[i] = static_cast<uint8_t>(0x80 | generationOf(slot));
        put64(slots_.data() + i * slotStride + 8, nullptr);
    }
    used_ = 1;
}

void SimulatedMemory::setSlotCount(int count) {
    uncut();
    if (count >= slotCount) return;
    const size_t page = pageSize();
    const auto roundUp = [page](size_t n) { return (n + page - 1) / page * page; };
    const size_t generationBytes = static_cast<size_t>(count);
    const size_t slotBytes = static_cast<size_t>(count) * slotStride;
    // Each array ends where a no-access page begins.
    const size_t slotArea = roundUp(generationBytes) + page;
    cutBytes_ = slotArea + roundUp(slotBytes) + page;
    cutBlock_ = allocatePages(cutBytes_);
    if (!cutBlock_) return;
    protectPages(cutBlock_ + roundUp(generationBytes), page, true);
    protectPages(cutBlock_ + slotArea + roundUp(slotBytes), page, true);
    cutGenerations_ = cutBlock_ + roundUp(generationBytes) - generationBytes;
    cutSlots_ = cutBlock_ + slotArea + roundUp(slotBytes) - slotBytes;
    slotCountShown_ = count;
    put64(header_ + 0, cutSlots_);
    put64(header_ + 8, cutGenerations_);
    std::memcpy(header_ + 16, &count, sizeof count);
    publish();
}

void SimulatedMemory::uncut() {
    if (!cutBlock_) return;
    freePages(cutBlock_, cutBytes_);
    cutBlock_ = cutGenerations_ = cutSlots_ = nullptr;
    slotCountShown_ = slotCount;
    put64(header_ + 0, slots_.data());
    put64(header_ + 8, generations_.data());
    const int32_t count = slotCount;
    std::memcpy(header_ + 16, &count, sizeof count);
}

void SimulatedMemory::publish() {
    if (!cutBlock_) return;
    const auto count = static_cast<size_t>(slotCountShown_);
    std::memcpy(cutGenerations_, generations_.data(), count);
    std::memcpy(cutSlots_, slots_.data(), count * slotStride);
}

uint8_t* SimulatedMemory::faultArea() {
    if (faultArea_) return faultArea_;
    // A readable page, a no-access page, and room with no memory behind it.
    const size_t page = pageSize();
    faultBytes_ = 2 * page;
    faultArea_ = allocatePages(faultBytes_);
    if (faultArea_) protectPages(faultArea_ + page, page, true);
    return faultArea_;
}

void SimulatedMemory::placeObject(const Entity& entity, ObjectPlace place) {
    const auto slot = static_cast<size_t>(entity.handle >> 8);
    const uint8_t* at = entity.object;
    if (place == ObjectPlace::cut && faultArea()) at = faultArea_ + pageSize() - cutObjectReadable;
    if (place == ObjectPlace::unmapped) {
        if (!unmapped_) unmapped_ = reservePages(pageSize());
        at = unmapped_;
    }
    put64(slots_.data() + slot * slotStride + 8, at);
    publish();
}

void SimulatedMemory::buildImage() {
    image_.assign(imageBytes, filler);
    putInstruction(image_, nearMissAt, imageVariableAt);
    image_[nearMissAt + 9] = 0xC2;  // mov r8d, edx: not the instruction
    putInstruction(image_, imagePatternAt, imageVariableAt);
    putInstruction(image_, laterPatternAt, laterVariableAt);
    std::memset(image_.data() + laterVariableAt, 0, 8);
    put64(image_.data() + imageVariableAt, header_);
}

void SimulatedMemory::usePoolVariable(void** variable) {
    if (variable) put64(reinterpret_cast<uint8_t*>(variable), header_);
}

bool SimulatedMemory::addEntity(Entity& out) {
    if (used_ >= slotCount) return false;
    const int slot = used_;
    uint8_t* object = allocatePages(objectBytes_);
    if (!object) return false;
    ++used_;
    objects_[static_cast<size_t>(slot)] = object;
    generations_[static_cast<size_t>(slot)] = generationOf(slot);
    put64(slots_.data() + static_cast<size_t>(slot) * slotStride + 8, object);
    publish();
    out.handle = slot << 8 | generationOf(slot);
    out.object = object;
    if (watching_) {
        protectPages(object, objectBytes_, true);
        armed_ = true;
    }
    return true;
}

void SimulatedMemory::watch(bool on) {
    if (on) installFaultHandler(&SimulatedMemory::onFault);
    watching_ = on;
    if (!on) disarm();
}

void SimulatedMemory::arm() {
    if (!watching_) return;
    for (uint8_t* object : objects_)
        if (object) protectPages(object, objectBytes_, true);
    armed_ = true;
}

void SimulatedMemory::disarm() {
    if (!armed_) return;
    for (uint8_t* object : objects_)
        if (object) protectPages(object, objectBytes_, false);
    armed_ = false;
}

bool SimulatedMemory::onFault(uintptr_t address) {
    for (uint8_t* object : memory.objects_) {
        if (!object) continue;
        const auto start = reinterpret_cast<uintptr_t>(object);
        if (address < start || address >= start + memory.objectBytes_) continue;
        if (pendingCount < maxPendingReads)
            pendingReads[pendingCount++] = {object, static_cast<uint32_t>(address - start)};
        protectPages(object, memory.objectBytes_, false);
        return true;
    }
    return false;
}

bool SimulatedMemory::watchedObjectAt(uintptr_t address, uintptr_t& start, uintptr_t& end) const {
    if (!watching_) return false;
    for (const uint8_t* object : objects_) {
        if (!object) continue;
        const auto first = reinterpret_cast<uintptr_t>(object);
        if (address < first || address >= first + objectBytes_) continue;
        start = first;
        end = first + objectBytes_;
        return true;
    }
    return false;
}

size_t SimulatedMemory::takeReads(ObjectRead* out, size_t max) {
    const size_t n = pendingCount < max ? pendingCount : max;
    for (size_t i = 0; i < n; ++i)
        out[i] = pendingReads[i];
    for (size_t i = n; i < pendingCount; ++i)
        pendingReads[i - n] = pendingReads[i];
    pendingCount -= n;
    return n;
}

}  // namespace sim
