// The simulated game world: the player and their ped, the vehicles (with their handles,
// models, labels, motion, engine, colour, driver and decorators), controls, camera view,
// HUD components and the in-game clock. The natives read it; scenario commands and the
// drive model change it.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "world/simulated_memory.h"

namespace sim {

struct Decorator {
    bool isFloat = false;
    int32_t intValue = 0;
    float floatValue = 0.0f;
};

enum class Driver { none, player, other };

// What `drive` asks of the vehicle model.
struct DriveInput {
    bool on = false;
    float throttle = 0.0f;  // 0..1
    float brake = 0.0f;     // 0..1
};

struct Vehicle {
    std::string name;              // the scenario's name for it
    Entity entity;                 // handle and vehicle object
    uint32_t model = 0;            // model hash
    bool hasLabel = true;          // false: the display-name native answers a null pointer
    std::string label;             // display-name label of the model
    int32_t vehicleClass = 0;      // the game's vehicle class
    float speed = 0.0f;            // m/s, what the speed native answers
    float velocity[3] = {};        // m/s, what the velocity-vector native answers
    bool engine = false;           // engine running
    float health = 1000.0f;        // engine health, 1000 = intact
    uint16_t gear = 0;             // raw gear, stored in the vehicle object
    float rpm = 0.0f;              // normalised rpm, stored in the vehicle object
    float throttle = 0.0f;         // stored in the vehicle object
    int32_t colour[3] = {};        // custom primary colour, 0..255
    Driver driver = Driver::none;  // who sits in the driver seat
    std::map<std::string, Decorator> decorators;
    DriveInput drive;
};

struct Player {
    int32_t index = 0;    // what the player-index native answers
    int32_t ped = 0;      // the player's ped handle
    bool exists = true;   // the ped exists
    bool control = true;  // player control is on
    bool dead = false;
    bool arrested = false;
    bool phone = false;          // busy with the phone
    Vehicle* vehicle = nullptr;  // the vehicle the player uses; null: on foot
    bool passenger = false;      // sits in a passenger seat of it
};

struct World {
    std::vector<std::unique_ptr<Vehicle>> vehicles;  // stable addresses: labels are handed out
    Player player;
    int32_t otherPed = 0;        // the ped driving when a vehicle's driver is "other"
    int32_t viewMode = 0;        // vehicle camera view mode; 4 is first person
    std::set<int32_t> hudShown;  // HUD components shown
    std::set<int32_t> pressed;   // controls of pad 2 pressed
    std::set<int32_t> disabled;  // controls of group 2 disabled
    int32_t hours = 12;          // in-game clock
    int32_t minutes = 0;
};

extern World world;

// The most vehicles a scenario may define (the pool also holds the two peds).
constexpr int maxVehicles = SimulatedMemory::slotCount - 3;

// Creates the peds in the pool; run once before the first world command.
void createWorld();
// A fresh world and an empty pool (for tests that share one process).
void resetWorld();

Vehicle* vehicleNamed(const std::string& name);
Vehicle* vehicleWithHandle(int32_t handle);

// Adds a vehicle at rest with its engine off; null when the pool is full.
Vehicle* addVehicle(const std::string& name, const std::string* label, int32_t vehicleClass,
                    uint32_t model);

// The player gets into a vehicle (as driver or passenger) or out of the current one.
void enterVehicle(Vehicle& v, bool asPassenger);
void leaveVehicle();

// One game frame of ms milliseconds: the drive model moves the vehicles it drives, then
// every vehicle object is written at the offsets of the running game version.
void stepWorld(uint32_t ms, int gameVersion);

// The plug-in calls the host: the memory reads it made since its last call go into the
// trace, and the objects are watched afresh.
void noteHostEntry();

// Hashes a model name the way the game names its models.
uint32_t modelHash(const std::string& name);

}  // namespace sim
