// The refresh path allocates nothing once the plug-in has started: every operator new of
// the plug-in is counted (the test host's own are not) over hundreds of busy refreshes
// with the cluster's every part on, and only vehicle changes may allocate.
#include <gtest/gtest.h>

#include <optional>

#include "core/hud_script.h"
#include "core/schedule.h"
#include "settings/profile_settings.h"
#include "support/counted_new.h"
#include "support/fake_game.h"
#include "support/game_folder.h"
#include "support/test_host.h"
#include "telemetry/vehicle_sample.h"

namespace {

bool counting = false;
long allocations = 0;

}  // namespace

// Only the plug-in's own allocations count, not the test host's.
void noteAllocation() {
    if (counting && testing_host::hostDepth == 0) ++allocations;
}

namespace {

using namespace velquist;
using testing_host::FakeGame;
using testing_host::FakeVehicle;
using testing_host::host;

class RefreshAllocationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing_host::reset();
        folder.emplace();
        folder->write("settingsBrands.ini", "[BRAND]\nbrand3=Dinka\n[LIVERY]\nBLISTA=Dinka\n");
        folder->write("settingsMaxRpm.ini", "[MAXRPM]\nBLISTA=72\n");
        folder->write("settings1.ini", "[FEATURES]\nrpm=2\n");
        game.emplace();
        startUp();
    }
    int32_t add(const char* label, int32_t vehicleClass, int slot) {
        FakeVehicle v;
        v.slot = slot;
        v.model = 0x3000u + static_cast<uint32_t>(slot);
        v.label = label;
        v.vehicleClass = vehicleClass;
        v.colour[0] = 200;
        v.floatDecorators["CokeInPossession"] = 0.4f;
        v.floatDecorators["MethInPossession"] = 0.9f;
        return game->add(v);
    }
    // The player gets in; the frame that sees it may allocate (the vehicle-change handler
    // reads the brand and max-rpm tables).
    void enter(int32_t handle) {
        game->inUse = handle;
        frameStep();
        ASSERT_EQ(sample.vehicle, handle);
    }
    // Frames with the world changed between them by `change(frame)`; counts only what the
    // plug-in allocates in the frames themselves.
    template <class Change>
    long countedFrames(int frames, Change change) {
        const uint32_t refreshesBefore = schedule.refreshCount;
        allocations = 0;
        for (int i = 0; i < frames; ++i) {
            change(i);
            counting = true;
            frameStep();
            counting = false;
        }
        EXPECT_EQ(schedule.refreshCount - refreshesBefore, static_cast<uint32_t>(frames));
        return allocations;
    }
    std::optional<testing_host::GameFolder> folder;
    std::optional<FakeGame> game;
};

TEST_F(RefreshAllocationTest, NoneInABusyDriveOrWhileTheClusterFades) {
    const int32_t car = add("BLISTA", 4, 3);
    enter(car);
    ASSERT_EQ(sample.brandIndex, 3);
    const size_t drawsBefore = host.draws.size();
    // LEDs, gear with shift hints, damage, fuel, brand, primary colour; speed, rpm, gear
    // and health change as a drive would change them.
    EXPECT_EQ(countedFrames(300,
                            [&](int i) {
                                FakeVehicle& v = game->vehicle(car);
                                v.speed = static_cast<float>(i % 120) * 0.5f;
                                v.health = 1000.0f - static_cast<float>(i) * 4.0f;
                                v.intDecorators["hunt_score"] = i / 50 % 3;
                                game->setMemory(car, static_cast<uint16_t>(1 + i / 40 % 6),
                                                static_cast<float>(i % 100) * 0.01f, 0.8f);
                            }),
              0);
    EXPECT_GT(host.draws.size() - drawsBefore, 300u * 20);

    profile.rpm = 1;  // the analogue gauge and a blinking digit
    EXPECT_EQ(
        countedFrames(100, [&](int i) { game->setMemory(car, 2, 0.5f, i % 2 ? 0.0f : 1.0f); }), 0);

    const int32_t plane = add("LAZER", 16, 4);
    enter(plane);
    EXPECT_EQ(countedFrames(100,
                            [&](int i) {
                                FakeVehicle& v = game->vehicle(plane);
                                v.speed = 80.0f;
                                v.velocity[2] = static_cast<float>(i - 50);
                            }),
              0);

    game->inUse = 0;  // out: the cluster fades, then nothing is drawn
    EXPECT_EQ(countedFrames(100, [](int) {}), 0);
}

}  // namespace
