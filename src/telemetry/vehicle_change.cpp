#include "telemetry/vehicle_change.h"

#include "core/process_texts.h"
#include "host/native_call.h"
#include "host/natives.h"
#include "settings/brand_tables.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

namespace {

// Game classes with a kind of their own; every other class is a car or motorcycle.
enum GameClass : int32_t {
    classBicycle = 13,
    classBoat = 14,
    classHelicopter = 15,
    classPlane = 16,
    classTrain = 21,
};
constexpr int32_t lastKnownClass = 21;

// Back to the starting values of a new vehicle. neutralHint stays: the transmission mod
// keeps its own gearbox state across vehicles.
void resetSample() {
    sample.speed = sample.previousSpeed = sample.verticalSpeed = 0.0f;
    sample.rpmFraction = sample.throttle = sample.maxRpmThousands = 0.0f;
    sample.gear = 0;
    sample.handbrakePressed = sample.shiftUpHint = sample.shiftDownHint = false;
    sample.engineHealth = intactEngineHealth;
    for (float& level : sample.fuelLevels)
        level = 1.0f;
}

}  // namespace

void classifyVehicle(int32_t gameClass) {
    switch (gameClass) {
        case classBicycle:
            sample.vehicleKind = kindBicycle;
            break;
        case classBoat:
            sample.vehicleKind = kindBoat;
            break;
        case classHelicopter:
        case classPlane:
            sample.vehicleKind = kindPlane;
            break;
        case classTrain:
            sample.vehicleKind = kindTrain;
            break;
        default:
            sample.vehicleKind = kindCar;
            break;
    }
    if (gameClass >= 0 && gameClass <= lastKnownClass) sample.vehicleClass = gameClass;
}

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
