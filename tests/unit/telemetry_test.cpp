// Vehicle telemetry: refresh sampling, the speed and gear steps, classification, the
// display speed, the vehicle-change handler and the values of other mods.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "core/process_texts.h"
#include "core/schedule.h"
#include "host/natives.h"
#include "hud/display_settings.h"
#include "settings/profile_settings.h"
#include "support/fake_game.h"
#include "support/plugin_test.h"
#include "support/refreshes.h"
#include "support/test_host.h"
#include "telemetry/shared_mod_values.h"
#include "telemetry/vehicle_change.h"
#include "telemetry/vehicle_sample.h"

using namespace velquist;
using testing_host::FakeGame;
using testing_host::FakeVehicle;

namespace {

constexpr float nan = std::numeric_limits<float>::quiet_NaN();

FakeVehicle car(int slot = 3) {
    FakeVehicle v;
    v.slot = slot;
    v.model = 0x1000u + static_cast<uint32_t>(slot);
    v.label = "ADDER";
    v.vehicleClass = 7;
    return v;
}

FakeVehicle ofClass(int32_t vehicleClass, int slot = 3) {
    FakeVehicle v = car(slot);
    v.vehicleClass = vehicleClass;
    return v;
}

class Telemetry : public testing_host::FolderTest {
  protected:
    void SetUp() override {
        FolderTest::SetUp();
        game.emplace();
    }
    // Refreshes as the frame step runs them, a millisecond apart.
    void refresh(int times = 1) { testing_host::runRefreshes(times, 1); }
    // The player gets into the vehicle and one refresh sees it.
    int32_t enter(const FakeVehicle& v) {
        const int32_t handle = game->add(v);
        game->inUse = handle;
        refresh();
        return handle;
    }
    std::optional<FakeGame> game;
};

// Sampling: entering and leaving, seats, engine health, the last-vehicle fallback.
using SamplingTest = Telemetry;

TEST_F(SamplingTest, EnteringRunsTheVehicleChangeOnceAndLeavingResetsNothing) {
    const int32_t handle = game->add(car());
    game->vehicle(handle).speed = 12.0f;
    game->inUse = handle;
    refresh(3);
    EXPECT_EQ(game->calls(natives::entityModel), 1);
    EXPECT_EQ(sample.vehicle, handle);
    EXPECT_EQ(sample.lastVehicle, handle);
    EXPECT_EQ(sample.playerPed, game->ped);
    EXPECT_EQ(sample.playerIndex, game->playerIndex);

    game->inUse = 0;
    refresh(3);
    EXPECT_EQ(sample.vehicle, 0);
    EXPECT_EQ(sample.lastVehicle, handle);
    EXPECT_EQ(sample.speed, 12.0f);  // kept for the fading HUD
    EXPECT_EQ(game->calls(natives::entityModel), 1);

    game->inUse = handle;  // the same vehicle again counts as a change
    refresh();
    EXPECT_EQ(game->calls(natives::entityModel), 2);
}

TEST_F(SamplingTest, NoVehicleSkipsEverythingButThePlayer) {
    refresh(10);
    EXPECT_EQ(game->calls(natives::engineHealth), 0);
    EXPECT_EQ(game->calls(natives::pedInVehicleSeat), 0);
    EXPECT_EQ(game->calls(natives::decoratorExists), 0);
}

TEST_F(SamplingTest, SeatChangeShowsWithinTenRefreshes) {
    const int32_t handle = enter(car());
    game->vehicle(handle).driver = 0x0202;  // someone else takes the wheel
    int refreshes = 0;
    while (!sample.isPassenger && refreshes < 20) {
        refresh();
        ++refreshes;
    }
    EXPECT_TRUE(sample.isPassenger);
    EXPECT_LE(refreshes, 10);
    EXPECT_EQ(game->calls(natives::pedInVehicleSeat), 1);
}

TEST_F(SamplingTest, EngineHealthIsReadOnlyWithTheDamageFeature) {
    const int32_t handle = enter(car());
    game->vehicle(handle).health = 420.0f;
    refresh();
    EXPECT_EQ(sample.engineHealth, 420.0f);

    profile.dmg = 0;
    game->vehicle(handle).health = 100.0f;
    refresh();
    EXPECT_EQ(sample.engineHealth, 420.0f);

    profile.dmg = 1;
    game->vehicle(handle).health = nan;
    refresh();
    EXPECT_EQ(sample.engineHealth, 1000.0f);  // no reading: taken as intact
}

TEST_F(SamplingTest, LastVehicleFallbackEvery100thRefresh) {
    const int32_t handle = game->add(car());
    game->inUse = handle;
    sample.vehicle = handle;  // in use, but never seen as a change
    schedule.refreshCount = 98;
    refresh();
    EXPECT_EQ(sample.lastVehicle, 0);
    refresh();  // the 100th
    EXPECT_EQ(sample.lastVehicle, handle);
}

// Speed and vertical speed.
using SpeedStepTest = Telemetry;

TEST_F(SpeedStepTest, BoatCountsOnlyHorizontalMotion) {
    FakeVehicle boat = ofClass(14);
    boat.velocity[2] = 5.0f;  // climbing a wave, not moving
    const int32_t handle = enter(boat);
    EXPECT_EQ(sample.speed, 0.0f);

    game->vehicle(handle).velocity[0] = 3.0f;
    game->vehicle(handle).velocity[1] = -4.0f;
    refresh();
    EXPECT_EQ(sample.speed, 5.0f);

    game->vehicle(handle).velocity[0] = nan;
    refresh();
    EXPECT_EQ(sample.speed, 0.0f);
    EXPECT_EQ(sample.previousSpeed, 5.0f);
}

TEST_F(SpeedStepTest, EngineOffMeansStanding) {
    FakeVehicle plane = ofClass(16);
    plane.speed = 60.0f;
    plane.velocity[2] = 4.0f;
    const int32_t handle = enter(plane);
    EXPECT_EQ(sample.speed, 60.0f);
    EXPECT_EQ(sample.verticalSpeed, 4.0f);

    game->vehicle(handle).engine = false;
    refresh();
    EXPECT_EQ(sample.speed, 0.0f);
    EXPECT_EQ(sample.verticalSpeed, 0.0f);
    EXPECT_EQ(sample.previousSpeed, 60.0f);
}

TEST_F(SpeedStepTest, VerticalSpeedOnlyForPlanesWithTheFeature) {
    FakeVehicle plane = ofClass(15);
    plane.velocity[2] = -3.0f;
    const int32_t handle = enter(plane);
    EXPECT_EQ(sample.verticalSpeed, -3.0f);
    profile.vertical = 0;
    game->vehicle(handle).velocity[2] = 8.0f;
    refresh();
    EXPECT_EQ(sample.verticalSpeed, -3.0f);

    FakeVehicle climbingCar = car(5);
    climbingCar.velocity[2] = 2.0f;
    profile.vertical = 1;
    enter(climbingCar);
    EXPECT_EQ(sample.verticalSpeed, 0.0f);
}

TEST_F(SpeedStepTest, SpeedFreezesWhileTheKindIsSwitchedOff) {
    FakeVehicle bicycle = ofClass(13);
    bicycle.speed = 6.0f;
    const int32_t handle = enter(bicycle);
    refresh();
    ASSERT_EQ(sample.speed, 6.0f);
    profile.isEnabledInBic = 0;
    game->vehicle(handle).speed = 9.0f;
    game->handbrake = true;
    refresh(3);
    EXPECT_EQ(sample.speed, 6.0f);
    EXPECT_EQ(sample.previousSpeed, 6.0f);
    EXPECT_TRUE(sample.handbrakePressed);  // read before the kind test
}

TEST_F(SpeedStepTest, SpeedsThatAreNotNumbersReadZero) {
    FakeVehicle v = car();
    v.speed = std::numeric_limits<float>::infinity();
    const int32_t handle = enter(v);
    EXPECT_EQ(sample.speed, 0.0f);
    game->vehicle(handle).speed = nan;
    refresh();
    EXPECT_EQ(sample.speed, 0.0f);
}

// Gear and rpm.
using GearStepTest = Telemetry;

TEST_F(GearStepTest, StoredGearsAboveEightAndZeroDependOnTheEngine) {
    const int32_t handle = enter(car());
    game->setMemory(handle, 9, 0.5f, 0.3f);
    refresh();
    EXPECT_EQ(sample.gear, -1);
    EXPECT_EQ(sample.rpmFraction, 0.5f);
    EXPECT_EQ(sample.throttle, 0.3f);

    game->vehicle(handle).engine = false;
    refresh();
    EXPECT_EQ(sample.gear, 0);
    EXPECT_EQ(sample.rpmFraction, 0.0f);

    game->setMemory(handle, 3, 0.5f, 0.0f);  // a forward gear shows with the engine off
    refresh();
    EXPECT_EQ(sample.gear, 3);

    game->vehicle(handle).engine = true;
    game->setMemory(handle, 0, 0.2f, 0.0f);  // reverse
    refresh();
    EXPECT_EQ(sample.gear, -1);
    game->setMemory(handle, 8, 0.2f, 0.0f);
    refresh();
    EXPECT_EQ(sample.gear, 8);
}

TEST_F(GearStepTest, HandbrakeShowsNeutralOnlyWithTheNeutralFeature) {
    const int32_t handle = enter(car());
    game->setMemory(handle, 2, 0.4f, 0.0f);
    game->handbrake = true;
    refresh();
    EXPECT_EQ(sample.gear, 0);
    profile.neutral = 0;
    refresh();
    EXPECT_EQ(sample.gear, 2);
}

TEST_F(GearStepTest, GearAndRpmOnlyForCarsWithTheRpmFeature) {
    profile.rpm = 0;
    const int32_t handle = enter(car());
    game->setMemory(handle, 4, 0.7f, 0.0f);
    refresh();
    EXPECT_EQ(sample.gear, 0);
    EXPECT_EQ(sample.rpmFraction, 0.0f);

    profile.rpm = 2;
    profile.gear = 0;
    refresh();
    EXPECT_EQ(sample.rpmFraction, 0.7f);
    EXPECT_EQ(sample.gear, 0);

    const int32_t train = enter(ofClass(21, 6));
    game->setMemory(train, 4, 0.7f, 0.0f);
    profile.gear = 1;
    refresh();
    EXPECT_EQ(sample.gear, 0);
    EXPECT_EQ(sample.rpmFraction, 0.0f);
}

// The vehicle's kind.
using ClassificationTest = Telemetry;

TEST_F(ClassificationTest, GameClassesGiveKinds) {
    const std::pair<int32_t, VehicleKind> table[] = {
        {0, kindCar},    {7, kindCar},    {8, kindCar},  {13, kindBicycle}, {14, kindBoat},
        {15, kindPlane}, {16, kindPlane}, {17, kindCar}, {20, kindCar},     {21, kindTrain}};
    for (const auto& [gameClass, kind] : table) {
        classifyVehicle(gameClass);
        EXPECT_EQ(sample.vehicleKind, kind) << "class " << gameClass;
        EXPECT_EQ(sample.vehicleClass, gameClass);
    }
}

TEST_F(ClassificationTest, ClassOutsideTheTableIsACarAndKeepsTheClass) {
    classifyVehicle(14);
    for (int32_t gameClass : {22, -1, 1000}) {
        classifyVehicle(gameClass);
        EXPECT_EQ(sample.vehicleKind, kindCar);
        EXPECT_EQ(sample.vehicleClass, 14);
    }
}

// The speed the dial shows.
using DisplaySpeedTest = Telemetry;

TEST_F(DisplaySpeedTest, UnitFactorTimesSpeedFactorTimesSpeed) {
    for (float& f : display.speedFactor)
        f = 1.0f;
    sample.speed = 10.0f;
    sample.vehicleKind = kindCar;
    EXPECT_FLOAT_EQ(displaySpeed(), 36.0f);
    profile.carUnit = unitMph;
    EXPECT_FLOAT_EQ(displaySpeed(), 22.369363f);
    display.speedFactor[kindCar] = 1.5f;
    EXPECT_FLOAT_EQ(displaySpeed(), 33.554045f);

    sample.vehicleKind = kindBoat;
    profile.boaUnit = unitKnots;
    EXPECT_FLOAT_EQ(displaySpeed(), 19.438444f);
    display.speedFactor[kindBoat] = 0.0f;  // no profile derived yet
    EXPECT_EQ(displaySpeed(), 0.0f);
}

// What is read once for a new vehicle: livery, brand, maximum rpm.
using VehicleChangeTest = Telemetry;

TEST_F(VehicleChangeTest, LiveryIsTheLabelCutTo16Characters) {
    FakeVehicle v = car();
    v.label = "ABCDEFGHIJKLMNOPQRST";
    enter(v);
    EXPECT_EQ(texts.currentLivery, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(liveryFromLabel("PANTO"), "PANTO");
    EXPECT_EQ(liveryFromLabel(""), "");
}

TEST_F(VehicleChangeTest, NullLabelIsAnEmptyLivery) {
    FakeVehicle v = car();
    v.label = nullptr;
    enter(v);
    EXPECT_EQ(texts.currentLivery, "");
    EXPECT_EQ(texts.currentBrand, "UnkownLivery");
    EXPECT_EQ(sample.maxRpmSetting, 50);
}

TEST_F(VehicleChangeTest, BrandAndMaxRpmComeFromTheTables) {
    folder->write("settingsBrands.ini", "[LIVERY]\nADDER=Truffade\nZENTORNO=Pegassi\n");
    folder->write("settingsMaxRpm.ini", "[MAXRPM]\nADDER=65\n");
    texts.brandNames.fill("Empty");
    texts.brandNames[4] = "Truffade";
    texts.brandNames[9] = "Truffade";  // the lower index wins
    enter(car());
    EXPECT_EQ(texts.currentBrand, "Truffade");
    EXPECT_EQ(sample.brandIndex, 4);
    EXPECT_EQ(sample.maxRpmSetting, 65);
    EXPECT_FLOAT_EQ(sample.maxRpmThousands, 6.5f);

    FakeVehicle other = car(5);
    other.label = "ZENTORNO";  // a brand with no entry in the brand names
    enter(other);
    EXPECT_EQ(texts.currentBrand, "Pegassi");
    EXPECT_EQ(sample.brandIndex, 0);
    EXPECT_EQ(sample.maxRpmSetting, 50);
}

TEST_F(VehicleChangeTest, UnknownLiveryFindsABrandNamedUnkownLivery) {
    texts.brandNames.fill("Empty");
    texts.brandNames[17] = "UnkownLivery";
    enter(car());
    EXPECT_EQ(sample.brandIndex, 17);
}

TEST_F(VehicleChangeTest, ResetsTheSampleButNotTheNeutralHint) {
    sample.speed = sample.previousSpeed = sample.verticalSpeed = 5.0f;
    sample.rpmFraction = sample.throttle = 0.5f;
    sample.gear = 3;
    sample.handbrakePressed = sample.shiftUpHint = sample.shiftDownHint = true;
    sample.engineHealth = 10.0f;
    sample.fuelLevels[1] = 0.2f;
    sample.neutralHint = true;
    onVehicleChanged();  // at start-up: no vehicle
    EXPECT_EQ(sample.speed, 0.0f);
    EXPECT_EQ(sample.previousSpeed, 0.0f);
    EXPECT_EQ(sample.verticalSpeed, 0.0f);
    EXPECT_EQ(sample.rpmFraction, 0.0f);
    EXPECT_EQ(sample.throttle, 0.0f);
    EXPECT_EQ(sample.gear, 0);
    EXPECT_FALSE(sample.handbrakePressed);
    EXPECT_FALSE(sample.shiftUpHint);
    EXPECT_FALSE(sample.shiftDownHint);
    EXPECT_EQ(sample.engineHealth, 1000.0f);
    EXPECT_EQ(sample.fuelLevels[1], 1.0f);
    EXPECT_TRUE(sample.neutralHint);
}

// Values other mods share through decorators: fuel, shift hints, neutral.
using SharedModValuesTest = Telemetry;

TEST_F(SharedModValuesTest, OnlyTheThirdFuelValuePresent) {
    FakeVehicle v = car();
    v.floatDecorators["WeedInPossession"] = 0.4f;
    enter(v);
    EXPECT_TRUE(hasFuelDecorator());
    EXPECT_EQ(sample.fuelLevels[0], 1.0f);
    EXPECT_EQ(sample.fuelLevels[1], 1.0f);
    EXPECT_EQ(sample.fuelLevels[2], 0.4f);
}

TEST_F(SharedModValuesTest, FuelValuesOutside0To1ReadAsOne) {
    FakeVehicle v = car();
    v.floatDecorators = {
        {"CokeInPossession", 1.5f}, {"MethInPossession", -0.1f}, {"WeedInPossession", nan}};
    const int32_t handle = enter(v);
    EXPECT_EQ(sample.fuelLevels[0], 1.0f);
    EXPECT_EQ(sample.fuelLevels[1], 1.0f);
    EXPECT_EQ(sample.fuelLevels[2], 1.0f);

    game->vehicle(handle).floatDecorators = {{"CokeInPossession", 0.0f},
                                             {"MethInPossession", 1.0f}};
    refresh();
    EXPECT_EQ(sample.fuelLevels[0], 0.0f);
    EXPECT_EQ(sample.fuelLevels[1], 1.0f);
}

TEST_F(SharedModValuesTest, FuelTestStopsAtTheFirstDecoratorOfTheLastVehicle) {
    FakeVehicle v = car();
    v.floatDecorators["CokeInPossession"] = 0.5f;
    enter(v);
    game->clearCalls();
    EXPECT_TRUE(hasFuelDecorator());
    EXPECT_EQ(game->calls(natives::decoratorExists), 1);

    game->clearCalls();
    enter(car(6));  // no decorators: all three are asked for
    game->clearCalls();
    EXPECT_FALSE(hasFuelDecorator());
    EXPECT_EQ(game->calls(natives::decoratorExists), 3);
}

TEST_F(SharedModValuesTest, ShiftHintsFollowHuntScore) {
    const int32_t handle = enter(car());
    FakeVehicle& v = game->vehicle(handle);
    v.intDecorators["hunt_score"] = 1;
    refresh();
    EXPECT_TRUE(sample.shiftUpHint);
    EXPECT_FALSE(sample.shiftDownHint);
    v.intDecorators["hunt_score"] = 2;
    refresh();
    EXPECT_FALSE(sample.shiftUpHint);
    EXPECT_TRUE(sample.shiftDownHint);
    v.intDecorators.erase("hunt_score");  // a vanished value leaves the hints standing
    refresh();
    EXPECT_TRUE(sample.shiftDownHint);
    v.intDecorators["hunt_score"] = 3;
    refresh();
    EXPECT_FALSE(sample.shiftUpHint);
    EXPECT_FALSE(sample.shiftDownHint);
}

TEST_F(SharedModValuesTest, NeutralFromHuntWeaponSurvivesAVehicleChange) {
    FakeVehicle first = car();
    first.intDecorators["hunt_weapon"] = 1;
    const int32_t a = enter(first);
    game->setMemory(a, 3, 0.5f, 0.0f);
    refresh();
    EXPECT_TRUE(sample.neutralHint);
    EXPECT_EQ(sample.gear, 0);

    const int32_t b = enter(car(6));
    game->setMemory(b, 2, 0.5f, 0.0f);
    refresh();
    EXPECT_TRUE(sample.neutralHint);
    EXPECT_EQ(sample.gear, 0);

    game->vehicle(b).intDecorators["hunt_weapon"] = 0;
    refresh(2);  // the hint read after the gear step shows from the next refresh on
    EXPECT_FALSE(sample.neutralHint);
    EXPECT_EQ(sample.gear, 2);
}

}  // namespace
