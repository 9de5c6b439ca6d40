#include "telemetry/vehicle_sample.h"

#include "hud/display_settings.h"
#include "settings/profile_settings.h"

namespace velquist {

VehicleSample sample;

float displaySpeed() {
    const VehicleKind kind = sample.vehicleKind >= 0 && sample.vehicleKind < vehicleKindCount
                                 ? sample.vehicleKind
                                 : kindCar;
    int32_t unit = profile.unitOf(kind);
    if (unit < unitMph || unit > unitMps) unit = unitKmh;  // the units' default
    return unitFactor[unit] * display.speedFactor[kind] * sample.speed;
}

}  // namespace velquist
