#include "telemetry/shared_mod_values.h"

#include "host/native_call.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

namespace {

constexpr uint64_t nativeDecoratorExists = 0x05661B80A8C9165F;  // (entity, name) -> bool
constexpr uint64_t nativeDecoratorFloat = 0x6524A2F114706F43;   // (entity, name) -> float
constexpr uint64_t nativeDecoratorInt = 0xA06C969B02A97298;     // (entity, name) -> int

// In the order of sample.fuelLevels.
constexpr const char* fuelDecorators[fuelLevelCount] = {"CokeInPossession", "MethInPossession",
                                                        "WeedInPossession"};
constexpr const char* shiftDecorator = "hunt_score";     // 1 shift up, 2 shift down
constexpr const char* neutralDecorator = "hunt_weapon";  // 1 gearbox in neutral

constexpr int32_t shiftUpValue = 1;
constexpr int32_t shiftDownValue = 2;
constexpr int32_t neutralValue = 1;

bool carries(int32_t entity, const char* name) {
    return native::call<bool>(nativeDecoratorExists, entity, name);
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
            level = native::call<float>(nativeDecoratorFloat, sample.vehicle, fuelDecorators[i]);
        // Written so that NaN fails the test as well.
        if (!(level >= 0.0f && level <= 1.0f)) level = 1.0f;
        sample.fuelLevels[i] = level;
    }
}

void readTransmissionHints() {
    if (carries(sample.vehicle, shiftDecorator)) {
        const int32_t value =
            native::call<int32_t>(nativeDecoratorInt, sample.vehicle, shiftDecorator);
        sample.shiftUpHint = value == shiftUpValue;
        sample.shiftDownHint = value == shiftDownValue;
    }
    if (carries(sample.vehicle, neutralDecorator))
        sample.neutralHint = native::call<int32_t>(nativeDecoratorInt, sample.vehicle,
                                                   neutralDecorator) == neutralValue;
}

}  // namespace velquist
