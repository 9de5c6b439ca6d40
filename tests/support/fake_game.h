// A small game for telemetry unit tests: the natives of the player, the vehicles and
// their decorators answered from plain fields through the test host, and the vehicles'
// gear, rpm and throttle kept in a crafted entity pool.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "answers/answer_table.h"
#include "support/crafted_pool.h"

namespace testing_host {

struct FakeVehicle {
    int slot = 0;  // slot of the crafted pool; the handle follows from it
    uint32_t model = 0;
    const char* label = "";  // null: the display-name native answers null
    int32_t vehicleClass = 0;
    float speed = 0.0f;      // m/s
    float velocity[3] = {};  // m/s
    bool engine = true;
    float health = 1000.0f;
    int32_t driver = 0;      // ped in the driver seat
    int32_t colour[3] = {};  // custom primary colour, 0..255
    std::map<std::string, float> floatDecorators;
    std::map<std::string, int32_t> intDecorators;
};

class FakeGame {
  public:
    // Answers the natives through the test host's answer table and installs the pool; call
    // after testing_host::reset(). The answers read this object, which must outlive them.
    FakeGame();
    FakeGame(const FakeGame&) = delete;
    FakeGame& operator=(const FakeGame&) = delete;

    int32_t playerIndex = 7;
    int32_t ped = 0x0101;
    int32_t inUse = 0;  // handle of the vehicle the ped is using
    bool handbrake = false;

    // The player's state and the scene, as the HUD's hiding conditions and brightness read
    // them.
    bool pedExists = true;
    bool control = true;  // player control on
    bool dead = false;
    bool arrested = false;
    bool phone = false;
    int32_t viewMode = 0;              // 4 is first person
    std::set<int32_t> hudShown;        // game HUD components shown
    std::set<int32_t> pressed;         // controls of pad 2 pressed (besides the handbrake)
    std::set<int32_t> disabled;        // controls of group 2 disabled
    int32_t hours = 12, minutes = 0;   // in-game clock
    float aspectRatio = 16.0f / 9.0f;  // what the aspect-ratio native answers

    // Adds a vehicle with the player driving; returns its handle.
    int32_t add(const FakeVehicle& v);
    FakeVehicle& vehicle(int32_t handle) { return vehicles_[handle]; }

    // The raw gear, rpm and throttle of the vehicle object, at the running version's offsets.
    void setMemory(int32_t handle, uint16_t gear, float rpm, float throttle);

    // How often the native was called since the last clearCalls.
    int calls(uint64_t hash) const;
    void clearCalls();

  private:
    // The vehicle whose handle is the call's first argument, or null.
    static FakeVehicle* vehicleArg(const answers::NativeCall& c);
    // The native is answered by handler, with this game as the call's context.
    void answer(uint64_t hash, answers::Handler handler);
    void answerPlayer();
    void answerScene();
    void answerVehicles();
    void answerDecorators();

    CraftedPool pool_;
    std::map<int32_t, FakeVehicle> vehicles_;
};

}  // namespace testing_host
