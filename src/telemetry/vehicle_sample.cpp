#include "telemetry/vehicle_sample.h"

#include "hud/display_settings.h"
#include "settings/profile_settings.h"

namespace velquist {

VehicleSample sample;

float displaySpeed() { return displaySpeedOf(sample.speed); }

namespace {

VehicleKind sampledKind() {
    return sample.vehicleKind >= 0 && sample.vehicleKind < vehicleKindCount ? sample.vehicleKind
                                                                             : kindCar;
}

}  // namespace

SpeedUnit displayUnit() {
    const int32_t unit = profile.unitOf(sampledKind());
    return unit >= unitMph && unit <= unitMps ? static_cast<SpeedUnit>(unit)
                                              : unitKmh;  // the units' default
}

float displaySpeedOf(float metresPerSecond) {
    return unitFactor[displayUnit()] * display.speedFactor[sampledKind()] * metresPerSecond;
}

}  // namespace velquist
