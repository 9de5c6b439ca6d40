#include "null_scene.h"

#include "core/hud_script.h"
#include "core/process_state.h"
#include "core/process_texts.h"
#include "core/schedule.h"
#include "host/game_memory.h"
#include "menu/menu_loop.h"
#include "menu/menu_pages.h"
#include "null_host.h"
#include "support/crafted_pool.h"

namespace bench {

namespace {

// Natives of the player and the scene.
constexpr uint64_t nativePlayerIndex = 0x4F8644AF03D0E0D6;
constexpr uint64_t nativePlayerPed = 0xD80958FC74E988A6;
constexpr uint64_t nativeVehicleInUse = 0x6094AD011A2EA87D;
constexpr uint64_t nativeEntityExists = 0x7239B21A38F536BA;
constexpr uint64_t nativePlayerControlOn = 0x49C32D60007AFA47;
constexpr uint64_t nativeInAnyVehicle = 0x997ABD671D25CA0B;
constexpr uint64_t nativeControlEnabled = 0x1CEA6BFDF248E5D9;
constexpr uint64_t nativeClockHours = 0x25223CA6B4D20B7F;
constexpr uint64_t nativeAspectRatio = 0xF1307EF624A80D87;
constexpr uint64_t nativeScreenResolution = 0x873C9F3104101DD3;
// Natives of the vehicle.
constexpr uint64_t nativeEntityModel = 0x9F47B058362C84B5;
constexpr uint64_t nativeDisplayName = 0xB215AAC32D25D019;
constexpr uint64_t nativeVehicleClass = 0x29439776AAA00A62;
constexpr uint64_t nativePedInSeat = 0xBB40DD2270B65366;
constexpr uint64_t nativeEngineRunning = 0xAE31E7DF9B5B132E;
constexpr uint64_t nativeEngineHealth = 0xC45D23BAF168AAB8;
constexpr uint64_t nativeEntitySpeed = 0xD5037BA82E12416F;
constexpr uint64_t nativeSpeedVector = 0x9A8D700A51CB7B0D;
constexpr uint64_t nativeCustomPrimaryColour = 0xB64CF2CCA9D95F52;
constexpr uint64_t nativeDecoratorExists = 0x05661B80A8C9165F;
constexpr uint64_t nativeDecoratorFloat = 0x6524A2F114706F43;

constexpr int32_t ped = 0x0101;
constexpr int carSlot = 3;
constexpr int planeSlot = 4;
constexpr int32_t featuresPage = 3;  // in the root menu's order

testing_host::CraftedPool& pool() {
    static testing_host::CraftedPool p;
    return p;
}

// What every scene shares: a player in control, in a vehicle, at 3 pm on a 16:9 screen.
void answerScene() {
    null_host::clearAnswers();
    null_host::answerInt(nativePlayerIndex, 7);
    null_host::answerInt(nativePlayerPed, ped);
    null_host::answerInt(nativeEntityExists, 1);
    null_host::answerInt(nativePlayerControlOn, 1);
    null_host::answerInt(nativeInAnyVehicle, 1);
    null_host::answerInt(nativeControlEnabled, 1);
    null_host::answerInt(nativeClockHours, 15);
    null_host::answerFloat(nativeAspectRatio, 16.0f / 9.0f);
    null_host::answerOuts(nativeScreenResolution, 0, 1920, 1080);
    null_host::answerInt(nativePedInSeat, ped);
    null_host::answerInt(nativeEngineRunning, 1);
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
    null_host::answerInt(nativeVehicleInUse, handle);
    null_host::answerInt(nativeEntityModel, static_cast<int32_t>(v.model));
    null_host::answerText(nativeDisplayName, v.label);
    null_host::answerInt(nativeVehicleClass, v.gameClass);
    null_host::answerFloat(nativeEngineHealth, v.health);
    null_host::answerFloat(nativeEntitySpeed, v.speed);
    null_host::answerVector(nativeSpeedVector, v.velocity[0], v.velocity[1], v.velocity[2]);
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
    null_host::answerOuts(nativeCustomPrimaryColour, 1, 200, 30, 20);
    null_host::answerInt(nativeDecoratorExists, 1);
    null_host::answerFloat(nativeDecoratorFloat, 0.6f);
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
