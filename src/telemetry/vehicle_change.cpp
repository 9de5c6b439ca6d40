#include "telemetry/vehicle_change.h"

#include "core/process_texts.h"
#include "host/native_call.h"
#include "host/natives.h"
#include "hud/hud_state.h"
#include "hud/needle_math.h"
#include "settings/brand_tables.h"
#include "telemetry/sample_refresh.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

namespace {

constexpr float intactEngineHealth = 1000.0f;

// Back to the starting values of a new vehicle. neutralHint stays: the transmission mod
// keeps its own gearbox state across vehicles.
void resetSample() {
    sample.speed = 0.0f;
    sample.previousSpeed = 0.0f;
    sample.verticalSpeed = 0.0f;
    sample.rpmFraction = 0.0f;
    sample.throttle = 0.0f;
    sample.maxRpmThousands = 0.0f;
    sample.gear = 0;
    sample.handbrakePressed = false;
    sample.shiftUpHint = false;
    sample.shiftDownHint = false;
    sample.engineHealth = intactEngineHealth;
    for (float& level : sample.fuelLevels)
        level = 1.0f;
    // The cluster of a new vehicle starts on the dial its class starts on, with the small
    // needles at rest, and fades in. The velocity needle swings over from where it stands.
    hud.rpmNeedle = smallNeedleStart;
    hud.fuelNeedle = smallNeedleStart;
    hud.dialStep = 0;
    hud.fadeAlpha = 0.0f;
    hud.damageLevel = 0.0f;
    hud.primaryColourAccepted = false;
}

}  // namespace

std::string liveryFromLabel(const char* label) {
    if (label == nullptr) return {};
    size_t length = 0;
    while (length < liveryMax && label[length] != '\0')
        ++length;
    return std::string(label, length);
}

int32_t brandIndexOf(const std::string& brand) {
    for (size_t i = 0; i < texts.brandNames.size(); ++i)
        if (texts.brandNames[i] == brand) return static_cast<int32_t>(i);
    return 0;
}

void onVehicleChanged() {
    resetSample();
    const auto model = native::call<uint32_t>(natives::entityModel, sample.vehicle);
    texts.currentLivery =
        liveryFromLabel(native::call<const char*>(natives::displayNameOfModel, model));
    texts.currentBrand = readLiveryBrand(texts.currentLivery);
    sample.brandIndex = brandIndexOf(texts.currentBrand);
    sample.maxRpmSetting = readMaxRpm(texts.currentLivery);
    sample.maxRpmThousands = maxRpmThousandsOf(sample.maxRpmSetting);
    classifyVehicle(native::call<int32_t>(natives::vehicleClass, sample.vehicle));
}

}  // namespace velquist
