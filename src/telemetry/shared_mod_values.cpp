#include "telemetry/shared_mod_values.h"

#include "host/native_call.h"
#include "host/natives.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

namespace {

// In the order of sample.fuelLevels.
constexpr const char* fuelDecorators[fuelLevelCount] = {"CokeInPossession", "MethInPossession",
                                                        "WeedInPossession"};
constexpr const char* shiftDecorator = "hunt_score";     // 1 shift up, 2 shift down
constexpr const char* neutralDecorator = "hunt_weapon";  // 1 gearbox in neutral

constexpr int32_t shiftUpValue = 1;
constexpr int32_t shiftDownValue = 2;
constexpr int32_t neutralValue = 1;

bool carries(int32_t entity, const char* name) {
    return native::call<bool>(natives::decoratorExists, entity, name);
}

}  // namespace

bool hasFuelDecorator() {
    for (const char* name : fuelDecorators)
        if (carries(sample.lastVehicle, name)) return true;
    return false;
}

void readFuelLevels() {
    for (int i = 0; i < fuelLevelCount; ++i) {
        float level = 1.0f;
        if (carries(sample.vehicle, fuelDecorators[i]))
            level = native::call<float>(natives::decoratorFloat, sample.vehicle, fuelDecorators[i]);
        // Written so that NaN fails the test as well.
        if (!(level >= 0.0f && level <= 1.0f)) level = 1.0f;
        sample.fuelLevels[i] = level;
    }
}

void readTransmissionHints() {
    if (carries(sample.vehicle, shiftDecorator)) {
        const int32_t value =
            native::call<int32_t>(natives::decoratorInt, sample.vehicle, shiftDecorator);
        sample.shiftUpHint = value == shiftUpValue;
        sample.shiftDownHint = value == shiftDownValue;
    }
    if (carries(sample.vehicle, neutralDecorator))
        sample.neutralHint = native::call<int32_t>(natives::decoratorInt, sample.vehicle,
                                                   neutralDecorator) == neutralValue;
}

}  // namespace velquist
