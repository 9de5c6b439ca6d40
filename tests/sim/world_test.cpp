// The simulated game world in-process: the natives it answers after world commands, and
// the drive model.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <string>

#include "host/natives.h"
#include "host/script_hook.h"
#include "scenario/scenario.h"
#include "world/drive_model.h"
#include "world/world.h"
#include "world/world_commands.h"
#include "world/world_natives.h"

using namespace sim;

namespace {

namespace natives = velquist::natives;

uint64_t arg(int32_t v) {
    return static_cast<uint32_t>(v);
}
uint64_t arg(const void* p) {
    return reinterpret_cast<uintptr_t>(p);
}

class World : public ::testing::Test {
  protected:
    void SetUp() override {
        resetWorld();
        registerWorldNatives();
    }
    // Runs the lines; they are read after the earlier ones, which define the vehicles.
    void run(const std::string& text) {
        std::vector<Command> commands;
        std::string error;
        ASSERT_TRUE(parseScenario(script_ + text, "w.scn", commands, error)) << error;
        for (size_t i = done_; i < commands.size(); ++i)
            runWorldCommand(commands[i]);
        script_ += text;
        done_ = commands.size();
    }
    const uint64_t* call(uint64_t hash, std::initializer_list<uint64_t> args = {}) {
        shv::nativeInit(hash);
        for (uint64_t a : args)
            shv::nativePush64(a);
        return shv::nativeCall();
    }
    int32_t callInt(uint64_t hash, std::initializer_list<uint64_t> args = {}) {
        return static_cast<int32_t>(static_cast<uint32_t>(*call(hash, args)));
    }
    float callFloat(uint64_t hash, std::initializer_list<uint64_t> args = {}) {
        float f;
        std::memcpy(&f, call(hash, args), sizeof f);
        return f;
    }
    const char* callText(uint64_t hash, std::initializer_list<uint64_t> args) {
        return reinterpret_cast<const char*>(*call(hash, args));
    }
    int32_t handle(const char* name) { return vehicleNamed(name)->entity.handle; }
    int32_t ped() { return callInt(natives::playerPedId); }
    // What the world answers for ped p of player 0: exists, control on, dead, being arrested
    // and on the phone.
    void expectPlayer(int32_t p, const std::array<int, 5>& states) {
        EXPECT_EQ(callInt(natives::doesEntityExist, {arg(p)}), states[0]);
        EXPECT_EQ(callInt(natives::isPlayerControlOn, {arg(0)}), states[1]);
        EXPECT_EQ(callInt(natives::isEntityDead, {arg(p)}), states[2]);
        EXPECT_EQ(callInt(natives::isPlayerBeingArrested, {arg(0), arg(1)}), states[3]);
        EXPECT_EQ(callInt(natives::isPedRunningPhoneTask, {arg(p)}), states[4]);
    }

  private:
    std::string script_;
    size_t done_ = 0;
};

using WorldNativesTest = World;
using DriveModelTest = World;

TEST_F(WorldNativesTest, PlayerStatesForTheHidingTest) {
    const int32_t p = ped();
    EXPECT_NE(p, 0);
    // exists, control on, dead, being arrested, on the phone
    expectPlayer(p, {1, 1, 0, 0, 0});

    run("player exists=0 control=0 dead=1 arrested=1 phone=1\n");
    expectPlayer(p, {0, 0, 1, 1, 1});

    run("player index=3 control=1 arrested=0\n");
    EXPECT_EQ(callInt(natives::isPlayerControlOn, {arg(0)}), 0);  // not the player any more
    EXPECT_EQ(callInt(natives::isPlayerControlOn, {arg(3)}), 1);
}

TEST_F(WorldNativesTest, SeatsFollowEnterLeaveAndTheDriver) {
    run("vehicle taxi label=TAXI class=1\nvehicle bus label=BUS class=17\n");
    const int32_t p = ped();
    EXPECT_EQ(callInt(natives::vehiclePedIsUsing, {arg(p)}), 0);
    EXPECT_EQ(callInt(natives::isPedInAnyVehicle, {arg(p), arg(0)}), 0);

    run("enter taxi\n");
    EXPECT_EQ(callInt(natives::vehiclePedIsUsing, {arg(p)}), handle("taxi"));
    EXPECT_EQ(callInt(natives::isPedInAnyVehicle, {arg(p), arg(0)}), 1);
    EXPECT_EQ(callInt(natives::pedInVehicleSeat, {arg(handle("taxi")), arg(-1)}), p);

    run("set taxi driver=other\n");
    const int32_t other = callInt(natives::pedInVehicleSeat, {arg(handle("taxi")), arg(-1)});
    EXPECT_NE(other, 0);
    EXPECT_NE(other, p);
    EXPECT_EQ(callInt(natives::doesEntityExist, {arg(other)}), 1);

    run("enter bus seat=passenger\n");
    EXPECT_EQ(callInt(natives::vehiclePedIsUsing, {arg(p)}), handle("bus"));
    EXPECT_EQ(callInt(natives::pedInVehicleSeat, {arg(handle("bus")), arg(-1)}), 0);
    EXPECT_EQ(callInt(natives::pedInVehicleSeat, {arg(handle("bus")), arg(0)}), p);

    run("leave\n");
    EXPECT_EQ(callInt(natives::vehiclePedIsUsing, {arg(p)}), 0);
    EXPECT_EQ(callInt(natives::vehiclePedIsUsing, {arg(handle("taxi"))}), 0);  // not a ped
}

TEST_F(WorldNativesTest, ModelsAndTheirLabels) {
    run("vehicle a label=ABCDEFGHIJKLMNOPQRST class=22\n"
        "vehicle b label=null class=14 model=0x1234\n"
        "vehicle c label=null class=14 model=0x1234\n");
    const int32_t modelA = callInt(natives::entityModel, {arg(handle("a"))});
    EXPECT_EQ(static_cast<uint32_t>(modelA), modelHash("a"));
    EXPECT_STREQ(callText(natives::displayNameOfModel, {arg(modelA)}), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(callInt(natives::entityModel, {arg(handle("c"))}), 0x1234);
    EXPECT_EQ(callText(natives::displayNameOfModel, {arg(0x1234)}), nullptr);
    EXPECT_STREQ(callText(natives::displayNameOfModel, {arg(0)}), "CARNOTFOUND");
    EXPECT_EQ(callInt(natives::vehicleClass, {arg(handle("a"))}), 22);
    EXPECT_EQ(callInt(natives::vehicleClass, {arg(12345)}), 0);  // a handle of nothing
}

TEST_F(WorldNativesTest, VehicleStateAndColour) {
    run("vehicle v label=V class=1\nset v vel=1.5,-2,nan colour=10,20,255\n");
    const uint64_t* r = call(natives::entitySpeedVector, {arg(handle("v")), arg(0)});
    float xyz[3];
    for (size_t k = 0; k < 3; ++k)
        std::memcpy(&xyz[k], reinterpret_cast<const uint8_t*>(r) + 8 * k, sizeof(float));
    EXPECT_EQ(xyz[0], 1.5f);
    EXPECT_EQ(xyz[1], -2.0f);
    EXPECT_TRUE(std::isnan(xyz[2]));

    int32_t rgb[3] = {-1, -1, -1};
    call(natives::customPrimaryColour,
         {arg(handle("v")), arg(&rgb[0]), arg(&rgb[1]), arg(&rgb[2])});
    EXPECT_EQ(rgb[0], 10);
    EXPECT_EQ(rgb[1], 20);
    EXPECT_EQ(rgb[2], 255);
}

TEST_F(WorldNativesTest, DecoratorsAndTheirTypes) {
    run("vehicle v label=V class=1\n"
        "deco v CokeInPossession=0.25\ndeco v hunt_score=2\ndeco v big=2.75\ndeco v odd=nan\n");
    const int32_t v = handle("v");
    EXPECT_EQ(callInt(natives::decoratorExists, {arg(v), arg("CokeInPossession")}), 1);
    EXPECT_EQ(callInt(natives::decoratorExists, {arg(v), arg("MethInPossession")}), 0);
    EXPECT_EQ(callFloat(natives::decoratorFloat, {arg(v), arg("CokeInPossession")}), 0.25f);
    EXPECT_EQ(callInt(natives::decoratorInt, {arg(v), arg("hunt_score")}), 2);
    // Read as the other type, a value is converted.
    EXPECT_EQ(callFloat(natives::decoratorFloat, {arg(v), arg("hunt_score")}), 2.0f);
    EXPECT_EQ(callInt(natives::decoratorInt, {arg(v), arg("big")}), 2);
    EXPECT_EQ(callInt(natives::decoratorInt, {arg(v), arg("odd")}), 0);

    run("undeco v hunt_score\n");
    EXPECT_EQ(callInt(natives::decoratorExists, {arg(v), arg("hunt_score")}), 0);
    EXPECT_EQ(callInt(natives::decoratorExists, {arg(ped()), arg("hunt_score")}), 0);
}

TEST_F(WorldNativesTest, ControlsViewHudAndClock) {
    EXPECT_EQ(callInt(natives::clockHours), 12);
    EXPECT_EQ(callInt(natives::clockMinutes), 0);
    EXPECT_EQ(callInt(natives::isControlEnabled, {arg(2), arg(107)}), 1);
    run("control 76 pressed\ncontrol 107 disabled\nview 4\nhud 6 shown\ndaytime 5 45\n");
    EXPECT_EQ(callInt(natives::isControlPressed, {arg(2), arg(76)}), 1);
    EXPECT_EQ(callInt(natives::isControlPressed, {arg(0), arg(76)}), 0);  // another pad
    EXPECT_EQ(callInt(natives::isControlEnabled, {arg(2), arg(107)}), 0);
    EXPECT_EQ(callInt(natives::vehicleCamViewMode), 4);
    EXPECT_EQ(callInt(natives::isHudComponentActive, {arg(6)}), 1);
    EXPECT_EQ(callInt(natives::isHudComponentActive, {arg(3)}), 0);
    EXPECT_EQ(callInt(natives::clockHours), 5);
    EXPECT_EQ(callInt(natives::clockMinutes), 45);
    run("control 76 released\ncontrol 107 enabled\nhud 6 hidden\n");
    EXPECT_EQ(callInt(natives::isControlPressed, {arg(2), arg(76)}), 0);
    EXPECT_EQ(callInt(natives::isControlEnabled, {arg(2), arg(107)}), 1);
    EXPECT_EQ(callInt(natives::isHudComponentActive, {arg(6)}), 0);
}

// Runs the drive model for the given seconds in 50 ms steps.
void drive(Vehicle& v, float seconds, int* highestGear = nullptr, bool* skipped = nullptr) {
    for (float t = 0.0f; t < seconds; t += 0.05f) {
        const int before = v.gear;
        stepDrive(v, 0.05f);
        if (skipped && (v.gear > before + 1 || v.gear + 1 < before)) *skipped = true;
        if (highestGear && v.gear > *highestGear) *highestGear = v.gear;
        ASSERT_GE(v.rpm, 0.0f);
        ASSERT_LE(v.rpm, 1.0f);
    }
}

TEST_F(DriveModelTest, CarShiftsUpOneGearAtATimeAsItGathersSpeed) {
    run("vehicle car label=CAR class=4\ndrive car throttle=1\n");
    Vehicle& v = *vehicleNamed("car");
    EXPECT_TRUE(v.engine);  // driving off starts the engine
    int highest = 0;
    bool skipped = false;
    drive(v, 3.0f, &highest, &skipped);
    const float early = v.speed;
    drive(v, 17.0f, &highest, &skipped);
    EXPECT_GT(early, 5.0f);
    EXPECT_GT(v.speed, early);
    EXPECT_LT(v.speed, 55.0f);
    EXPECT_GE(highest, 5);
    EXPECT_FALSE(skipped);
    EXPECT_EQ(v.throttle, 1.0f);
    EXPECT_EQ(v.velocity[2], 0.0f);
}

TEST_F(DriveModelTest, BrakingStopsTheCarInFirstGear) {
    run("vehicle car label=CAR class=4\nset car engine=1 vel=0,30,0 gear=4\n"
        "drive car throttle=0 brake=1\n");
    Vehicle& v = *vehicleNamed("car");
    drive(v, 6.0f);
    EXPECT_EQ(v.speed, 0.0f);
    EXPECT_EQ(v.gear, 1);
    EXPECT_FLOAT_EQ(v.rpm, 0.2f);  // idling
}

TEST_F(DriveModelTest, PlanesClimbOnceFastAndBoatsStayLevel) {
    run("vehicle jet label=JET class=16\nvehicle dinghy label=DINGHY class=14\n"
        "drive jet throttle=1\ndrive dinghy throttle=1\n");
    Vehicle& jet = *vehicleNamed("jet");
    Vehicle& dinghy = *vehicleNamed("dinghy");
    drive(jet, 5.0f);
    EXPECT_EQ(jet.velocity[2], 0.0f);  // still rolling
    drive(jet, 30.0f);
    drive(dinghy, 30.0f);
    EXPECT_GT(jet.velocity[2], 1.0f);
    EXPECT_FLOAT_EQ(jet.speed, std::hypot(jet.velocity[1], jet.velocity[2]));
    EXPECT_GT(dinghy.speed, 10.0f);
    EXPECT_EQ(dinghy.velocity[2], 0.0f);
}

TEST_F(DriveModelTest, EngineOffGoesNowhere) {
    run("vehicle car label=CAR class=4\ndrive car throttle=1\nset car engine=0\n");
    Vehicle& v = *vehicleNamed("car");
    drive(v, 5.0f);
    EXPECT_EQ(v.speed, 0.0f);
    EXPECT_EQ(v.rpm, 0.0f);
    EXPECT_EQ(v.throttle, 0.0f);
}

}  // namespace
