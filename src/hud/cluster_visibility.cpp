// The cluster's visibility: the hiding conditions, the fade and the day brightness.
#include "hud/cluster_visibility.h"

#include "core/schedule.h"
#include "host/game_controls.h"
#include "host/native_call.h"
#include "host/natives.h"
#include "hud/hud_state.h"
#include "settings/profile_settings.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

namespace {

// The game's own HUD parts that share the cluster's corner of the screen.
constexpr int32_t hudComponentVehicleName = 6;
constexpr int32_t hudComponentCash = 3;
constexpr int32_t controlCharacterWheel = 19;
// While the game has switched control 107 off, the cluster stays only as long as control
// 106 is held.
constexpr int32_t controlMustBeEnabled = 107;
constexpr int32_t controlHeldInstead = 106;
constexpr int32_t viewFirstPerson = 4;
constexpr float destroyedEngine = -4000.0f;

constexpr float fadeOutPerMs = 0.002f;  // 500 ms from full to nothing
constexpr float fadeInPerMs = 0.0005f;  // 2000 ms from nothing to full

bool hudComponentShown(int32_t component) {
    return native::call<bool>(natives::isHudComponentActive, component);
}

}  // namespace

bool hudHidden() {
    const int32_t ped = sample.playerPed;
    const int32_t player = sample.playerIndex;
    if (!native::call<bool>(natives::doesEntityExist, ped)) return true;
    if (!native::call<bool>(natives::isPlayerControlOn, player)) return true;
    if (native::call<bool>(natives::isEntityDead, ped)) return true;
    if (native::call<bool>(natives::isPlayerBeingArrested, player, true)) return true;
    if (native::call<bool>(natives::isPedRunningPhoneTask, ped)) return true;
    if (!native::call<bool>(natives::isPedInAnyVehicle, ped, false)) return true;
    if (hudComponentShown(hudComponentVehicleName)) return true;
    if (!isControlEnabled(controlMustBeEnabled) && !isControlPressed(controlHeldInstead))
        return true;
    if (native::call<int32_t>(natives::vehicleCamViewMode) == viewFirstPerson && profile.fpv == 0)
        return true;
    if (sample.isPassenger && profile.passenger == 0) return true;
    if (isControlPressed(controlCharacterWheel) && hudComponentShown(hudComponentCash)) return true;
    return sample.engineHealth <= destroyedEngine;
}

bool stepFade() {
    const float elapsed = static_cast<float>(schedule.refreshElapsed);
    float& alpha = hud.fadeAlpha;
    if (hudHidden()) {
        if (alpha <= 0.0f) return false;
        alpha -= fadeOutPerMs * elapsed;
        if (alpha < 0.0f) {
            alpha = 0.0f;
            return false;
        }
    } else if (alpha < 1.0f) {
        alpha += fadeInPerMs * elapsed;
        if (alpha < 0.0f) {
            alpha = 0.0f;
            return false;
        }
    }
    if (alpha > 1.0f) alpha = 1.0f;
    return alpha > 0.0f;
}

void updateDayBrightness() {
    const float t = static_cast<float>(native::call<int32_t>(natives::clockHours)) +
                    static_cast<float>(native::call<int32_t>(natives::clockMinutes)) / 60.0f;
    float b;
    if (t < 4.0f)
        b = 0.8f;
    else if (t < 8.0f)
        b = 0.8f + (t - 4.0f) * 0.25f * 0.3f;  // dawn
    else if (t < 18.0f)
        b = 1.1f;
    else if (t < 22.0f)
        b = 1.1f - (t - 18.0f) * 0.25f * 0.3f;  // dusk
    else
        b = 0.8f;
    hud.dayBrightness = b;
}

}  // namespace velquist
