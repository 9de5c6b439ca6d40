// Game memory access: the entity-pool scan over an image, and the gear, rpm and throttle
// readers over a crafted pool.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "host/game_memory.h"
#include "host/portable/portable_platform.h"
#include "support/crafted_pool.h"
#include "support/mapped_pages.h"
#include "support/plugin_test.h"
#include "support/test_host.h"

using namespace velquist;
using testing_host::CraftedPool;
using testing_host::host;
using testing_host::MappedPages;

namespace {

constexpr uint8_t filler = 0x90;

void putInstruction(std::vector<uint8_t>& image, size_t at, int32_t displacement) {
    std::memcpy(image.data() + at, entityPoolPattern, entityPoolPatternSize);
    std::memcpy(image.data() + at + 3, &displacement, sizeof displacement);
}

uintptr_t scan(const std::vector<uint8_t>& image, size_t size) {
    return findEntityPool({image.data(), size});
}

uintptr_t at(const std::vector<uint8_t>& image, size_t offset) {
    return reinterpret_cast<uintptr_t>(image.data()) + offset;
}

using GameMemory = testing_host::PluginTest;

using EntityPoolScanTest = GameMemory;
using VehicleFieldReadTest = GameMemory;

TEST_F(EntityPoolScanTest, FirstMatchPlusSevenPlusItsDisplacement) {
    std::vector<uint8_t> image(256, filler);
    putInstruction(image, 40, 100);
    putInstruction(image, 120, 0);
    EXPECT_EQ(scan(image, image.size()), at(image, 40 + 7 + 100));
}

TEST_F(EntityPoolScanTest, DisplacementIsSigned) {
    std::vector<uint8_t> image(256, filler);
    putInstruction(image, 40, -30);
    EXPECT_EQ(scan(image, image.size()), at(image, 40 + 7 - 30));
}

TEST_F(EntityPoolScanTest, EveryFixedByteMustMatch) {
    for (int i = 0; i < entityPoolPatternSize; ++i) {
        if (entityPoolMask[i] == '?') continue;
        std::vector<uint8_t> image(64, filler);
        putInstruction(image, 10, 4);
        image[10 + static_cast<size_t>(i)] ^= 0x01;
        EXPECT_EQ(scan(image, image.size()), 0u) << "byte " << i;
    }
}

TEST_F(EntityPoolScanTest, InstructionEndingAtTheLastByteMatches) {
    std::vector<uint8_t> image(64, filler);
    putInstruction(image, 50, -40);
    EXPECT_EQ(scan(image, 64), at(image, 17));
}

TEST_F(EntityPoolScanTest, InstructionOverlappingTheEndIsNoMatch) {
    // The buffer goes on, but the image ends one byte before the instruction does.
    std::vector<uint8_t> buffer(80, filler);
    putInstruction(buffer, 50, 0);
    EXPECT_EQ(scan(buffer, 63), 0u);
    EXPECT_EQ(scan(buffer, 13), 0u);
    EXPECT_EQ(findEntityPool({nullptr, 4096}), 0u);
}

TEST_F(EntityPoolScanTest, MatchesLeadingOutsideTheImageAreSteppedOver) {
    std::vector<uint8_t> buffer(512, filler);
    const uint8_t* image = buffer.data() + 64;  // the image: 64 bytes into the buffer, 256 long
    putInstruction(buffer, 80, -100);           // the variable before the image
    putInstruction(buffer, 120, 250);           // the variable's last bytes after it
    putInstruction(buffer, 200, 40);
    EXPECT_EQ(findEntityPool({image, 256}), at(buffer, 200 + 7 + 40));
    putInstruction(buffer, 200, 316 - 207);  // the variable's last bytes past the image's end
    EXPECT_EQ(findEntityPool({image, 256}), 0u);
}

TEST_F(EntityPoolScanTest, PagesThatCannotBeReadAreSteppedOver) {
    // Page 1 of the image is no-access; the instruction lies in page 2, its variable in
    // page 3. A match whose variable lies in the no-access page is no match.
    const size_t page = MappedPages::pageSize();
    MappedPages image(4);
    const auto put = [&](uint8_t* where, uint8_t* variable) {
        std::memcpy(where, entityPoolPattern, entityPoolPatternSize);
        const auto displacement = static_cast<int32_t>(variable - (where + 7));
        std::memcpy(where + 3, &displacement, sizeof displacement);
    };
    put(image.page(0) + 16, image.page(1) + 64);
    put(image.page(0) + page - 10, image.page(3));  // runs into the no-access page
    put(image.page(2) + 100, image.page(3) + 8);
    image.noAccess(1);
    EXPECT_EQ(findEntityPool({image.page(0), image.bytes()}),
              reinterpret_cast<uintptr_t>(image.page(3) + 8));
    // A readable run ends where the image does.
    EXPECT_EQ(findEntityPool({image.page(0), page}), 0u);
}

TEST_F(EntityPoolScanTest, LocatorScansTheMainModuleImage) {
    std::vector<uint8_t> image(128, filler);
    putInstruction(image, 3, 16);
    platform::portable::config.mainImage = {image.data(), image.size()};
    locateEntityPool();
    EXPECT_EQ(gameMemory.entityPool, at(image, 3 + 7 + 16));

    platform::portable::config.mainImage = {};
    locateEntityPool();
    EXPECT_EQ(gameMemory.entityPool, 0u);
}

struct VersionOffsets {
    int version;
    uint32_t gear, rpm, throttle;
};

TEST_F(VehicleFieldReadTest, OffsetsFollowTheGameVersion) {
    const VersionOffsets table[] = {{-1, 0x792, 0x7C4, 0x7D4}, {3, 0x792, 0x7C4, 0x7D4},
                                    {4, 0x7A2, 0x7D4, 0x7E4},  {25, 0x7A2, 0x7D4, 0x7E4},
                                    {26, 0x7C2, 0x7F4, 0x804}, {30, 0x7C2, 0x7F4, 0x804}};
    CraftedPool pool;
    pool.install();
    const int32_t handle = pool.addObject(3, 0x2A);
    for (const VersionOffsets& t : table) {
        // Anything but the right offset reads garbage.
        pool.fill(3, 0x780, 0x810, 0xFF);
        pool.put<uint16_t>(3, t.gear, 4);
        pool.put<float>(3, t.rpm, 0.625f);
        pool.put<float>(3, t.throttle, 0.25f);
        host.gameVersion = t.version;
        EXPECT_EQ(readCurrentGear(handle), 4) << "version " << t.version;
        EXPECT_EQ(readEngineRpm(handle), 0.625f) << "version " << t.version;
        EXPECT_EQ(readThrottle(handle), 0.25f) << "version " << t.version;
    }
}

TEST_F(VehicleFieldReadTest, SlotsLieOneStrideApart) {
    CraftedPool pool;
    pool.install();
    const int32_t a = pool.addObject(2, 7);
    const int32_t b = pool.addObject(9, 7);
    pool.put<uint16_t>(2, 0x7C2, 2);
    pool.put<uint16_t>(9, 0x7C2, 6);
    EXPECT_EQ(readCurrentGear(a), 2);
    EXPECT_EQ(readCurrentGear(b), 6);
}

TEST_F(VehicleFieldReadTest, GenerationWithTheTopBitSetNeverResolves) {
    CraftedPool pool;
    pool.install();
    pool.addObject(5, 0x85);
    pool.put<uint16_t>(5, 0x7C2, 3);
    pool.put<float>(5, 0x7F4, 0.5f);
    EXPECT_EQ(readCurrentGear(5 << 8 | 0x85), 0);
    EXPECT_EQ(readCurrentGear(5 << 8 | 0x05), 0);  // the low bits alone do not make it
    EXPECT_EQ(readEngineRpm(5 << 8 | 0x85), 0.0f);
}

TEST_F(VehicleFieldReadTest, HandlesThatDoNotResolveReadZero) {
    CraftedPool pool;
    pool.install();
    const int32_t handle = pool.addObject(4, 0x11);
    pool.put<uint16_t>(4, 0x7C2, 5);
    pool.put<float>(4, 0x804, 0.9f);
    ASSERT_EQ(readCurrentGear(handle), 5);

    EXPECT_EQ(readCurrentGear(4 << 8 | 0x12), 0);  // stale generation
    EXPECT_EQ(readCurrentGear(-handle), 0);        // before the pool's arrays
    pool.dropObject(4);
    EXPECT_EQ(readCurrentGear(handle), 0);
    EXPECT_EQ(readThrottle(handle), 0.0f);
}

TEST_F(VehicleFieldReadTest, SlotsPastTheSlotCountAndStridesNoPoolHasReadZero) {
    CraftedPool pool;
    pool.install();
    const int last = CraftedPool::slotCount - 1;
    const int32_t handle = pool.addObject(last, 0x21);
    pool.put<uint16_t>(last, 0x7C2, 5);
    EXPECT_EQ(readCurrentGear(handle), 5);
    pool.setSlotCount(last);
    EXPECT_EQ(readCurrentGear(handle), 0);
    // Slot 16 of a 16-slot pool: its generation byte and slot would lie past the arrays.
    pool.setSlotCount(CraftedPool::slotCount);
    EXPECT_EQ(readCurrentGear(CraftedPool::slotCount << 8 | 0x21), 0);
    EXPECT_EQ(readEngineRpm(0x7FFFFF << 8 | 0x21), 0.0f);
    // Strides that lead before the slot array or past it, or leave no room for the
    // object's address.
    for (int32_t stride : {-40, 0, 8, 15, 4097, INT32_MIN, INT32_MAX}) {
        pool.setStride(stride);
        EXPECT_EQ(readCurrentGear(handle), 0) << "stride " << stride;
    }
    pool.setStride(CraftedPool::stride);
    EXPECT_EQ(readCurrentGear(handle), 5);
}

TEST_F(VehicleFieldReadTest, PoolsAndObjectsInMemoryThatCannotBeReadReadZero) {
    const size_t page = MappedPages::pageSize();
    MappedPages pages(4);
    pages.noAccess(1);
    pages.noAccess(3);
    CraftedPool pool;
    pool.install();
    const int32_t handle = pool.addObject(2, 0x0C);
    host.gameVersion = 30;
    // An object wholly in readable memory is read there.
    const float rpm = 0.75f;
    std::memcpy(pages.page(2) + 0x7F4, &rpm, sizeof rpm);
    pool.pointObjectAt(2, reinterpret_cast<uintptr_t>(pages.page(2)));
    EXPECT_EQ(readEngineRpm(handle), rpm);
    // An object in no-access pages, and one whose fields run into them.
    pool.pointObjectAt(2, reinterpret_cast<uintptr_t>(pages.page(1)));
    EXPECT_EQ(readEngineRpm(handle), 0.0f);
    EXPECT_EQ(readCurrentGear(handle), 0);
    pool.pointObjectAt(2, reinterpret_cast<uintptr_t>(pages.page(1) - 0x100));
    EXPECT_EQ(readThrottle(handle), 0.0f);
    pool.pointObjectAt(2, reinterpret_cast<uintptr_t>(pages.page(3) - 0x7F4));
    EXPECT_EQ(readEngineRpm(handle), 0.0f);  // the field's bytes begin at the no-access page
    ASSERT_GE(page, 0x808u);

    // A pool whose header lies in no-access memory.
    uint64_t variable = reinterpret_cast<uintptr_t>(pages.page(1));
    gameMemory.entityPool = reinterpret_cast<uintptr_t>(&variable);
    EXPECT_EQ(readEngineRpm(handle), 0.0f);
}

// Counts the questions the readers ask of the system about memory pages.
int pageQueries = 0;
platform::MemoryRun countedMemoryRun(const void* address, size_t maxBytes) {
    ++pageQueries;
    return platform::portable::systemMemoryRun(address, maxBytes);
}

TEST_F(VehicleFieldReadTest, PagesAreAskedAboutOncePerVehicleNotOnEveryRead) {
    CraftedPool pool;
    pool.install();
    const int32_t a = pool.addObject(3, 1);
    const int32_t b = pool.addObject(4, 1);
    platform::portable::config.memoryRun = countedMemoryRun;
    pageQueries = 0;
    readCurrentGear(a);
    const int first = pageQueries;
    EXPECT_GE(first, 4);  // the header, the generation byte, the slot, the object
    for (int i = 0; i < 30; ++i) {
        readCurrentGear(a);
        readEngineRpm(a);
        readThrottle(a);
    }
    EXPECT_EQ(pageQueries, first);
    readCurrentGear(b);  // another vehicle: its generation byte, slot and object
    EXPECT_GT(pageQueries, first);
    const int second = pageQueries;
    readThrottle(b);
    EXPECT_EQ(pageQueries, second);
    host.gameVersion = 3;  // fields that end elsewhere: the object is asked about again
    readThrottle(b);
    EXPECT_GT(pageQueries, second);
}

TEST_F(VehicleFieldReadTest, NoPoolReadsZero) {
    CraftedPool pool;
    const int32_t handle = pool.addObject(1, 1);
    pool.put<uint16_t>(1, 0x7C2, 2);
    EXPECT_EQ(readCurrentGear(handle), 0);  // the scan found nothing

    uint64_t emptyVariable = 0;
    gameMemory.entityPool = reinterpret_cast<uintptr_t>(&emptyVariable);
    EXPECT_EQ(readCurrentGear(handle), 0);
    EXPECT_EQ(readEngineRpm(handle), 0.0f);
    EXPECT_EQ(readThrottle(handle), 0.0f);
}

TEST_F(VehicleFieldReadTest, ScanLeadsToTheVariableAndThePool) {
    CraftedPool pool;
    const int32_t handle = pool.addObject(6, 0x33);
    pool.put<uint16_t>(6, 0x7A2, 7);
    host.gameVersion = 10;
    // The variable lies in the image, after the instruction, as in the game's executable.
    std::vector<uint8_t> image(512, filler);
    const size_t variableAt = 400;
    const uint64_t header = pool.header();
    std::memcpy(image.data() + variableAt, &header, sizeof header);
    putInstruction(image, 101, static_cast<int32_t>(variableAt - (101 + 7)));
    platform::portable::config.mainImage = {image.data(), image.size()};
    locateEntityPool();
    EXPECT_EQ(readCurrentGear(handle), 7);
}

}  // namespace
