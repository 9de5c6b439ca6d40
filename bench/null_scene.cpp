#include "null_scene.h"

#include "core/hud_script.h"
#include "core/process_state.h"
#include "core/process_texts.h"
#include "core/schedule.h"
#include "host/game_memory.h"
#include "host/natives.h"
#include "menu/menu_loop.h"
#include "menu/menu_pages.h"
#include "null_host.h"
#include "support/crafted_pool.h"

namespace bench {

namespace {

namespace natives = velquist::natives;

constexpr int32_t ped = 0x0101;
constexpr int carSlot = 3;
constexpr int planeSlot = 4;
constexpr int32_t featuresPage = 3;  // in the root menu's order

answers::AnswerTable& table() {
    return null_host::host.answers;
}

testing_host::CraftedPool& pool() {
    static testing_host::CraftedPool p;
    return p;
}

// What every scene shares: a player in control, in a vehicle, at 3 pm on a 16:9 screen.
void answerScene() {
    null_host::clearAnswers();
    table().answerInt(natives::playerId, 7);
    table().answerInt(natives::playerPedId, ped);
    table().answerInt(natives::doesEntityExist, 1);
    table().answerInt(natives::isPlayerControlOn, 1);
    table().answerInt(natives::isPedInAnyVehicle, 1);
    table().answerInt(natives::isControlEnabled, 1);
    table().answerInt(natives::clockHours, 15);
    table().answerFloat(natives::aspectRatio, 16.0f / 9.0f);
    table().answerOuts(natives::activeScreenResolution, 0, 1920, 1080);
    table().answerInt(natives::pedInVehicleSeat, ped);
    table().answerInt(natives::isEngineRunning, 1);
}

// A vehicle the player drives: what its natives answer and what its object holds.
struct SceneVehicle {
    int slot = 0;  // of the entity pool
    uint32_t model = 0;
    const char* label = "";
    int32_t gameClass = 0;
    float health = 1000.0f;          // engine health
    float speed = 0.0f;              // m/s
    float velocity[3] = {};          // m/s
    uint16_t gear = 0;               // raw, as the vehicle object stores it
    float rpm = 0.0f, throttle = 0;  // fractions
};

void enter(const SceneVehicle& v) {
    answerScene();
    const int32_t handle = pool().addObject(v.slot, 1);
    const auto at = velquist::vehicleFieldOffsets(null_host::host.gameVersion);
    pool().put(v.slot, at.gear, v.gear);
    pool().put(v.slot, at.rpm, v.rpm);
    pool().put(v.slot, at.throttle, v.throttle);
    table().answerInt(natives::vehiclePedIsUsing, handle);
    table().answerInt(natives::entityModel, static_cast<int32_t>(v.model));
    table().answerText(natives::displayNameOfModel, v.label);
    table().answerInt(natives::vehicleClass, v.gameClass);
    table().answerFloat(natives::engineHealth, v.health);
    table().answerFloat(natives::entitySpeed, v.speed);
    table().answerVector(natives::entitySpeedVector, v.velocity[0], v.velocity[1], v.velocity[2]);
}

}  // namespace

const char* const busyProfile = "[FEATURES]\r\nrpm=2\r\n";

void startNullPlugin(const std::filesystem::path& game) {
    velquist::resetProcessState();
    null_host::installPlatform(game.string().c_str());
    answerScene();
    pool().install();
    velquist::startUp();
}

void enterBusyCar() {
    enter({carSlot, 0x3C0FA4D1, "BLISTA", 0, 420.0f, 30.0f, {0.0f, 30.0f, 0.0f}, 3, 0.7f, 1.0f});
    table().answerOuts(natives::customPrimaryColour, 1, 200, 30, 20);
    table().answerInt(natives::decoratorExists, 1);
    table().answerFloat(natives::decoratorFloat, 0.6f);
}

void enterPlane() {
    enter({planeSlot, 0xB39B0AE6, "LAZER", 16, 1000.0f, 80.0f, {0.0f, 79.0f, 6.0f}, 0, 0.0f, 0.0f});
}

void runFrames(int count, uint32_t frameTime) {
    const uint32_t kept = null_host::host.frameTime;
    null_host::host.frameTime = frameTime;
    for (int i = 0; i < count; ++i)
        velquist::frameStep();
    null_host::host.frameTime = kept;
}

void settleCluster() {
    runFrames(300, 16);
}

void stopClock() {
    null_host::host.frameTime = 0;
    velquist::frameStep();
}

void featuresPageFrame() {
    const velquist::MenuPage& page = velquist::menuPage(featuresPage);
    velquist::drawPageLines(page, 0);
    velquist::menuFrame(page.eachFrame);
    velquist::drawHelpBox(page, 0);
}

}  // namespace bench
