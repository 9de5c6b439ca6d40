#include "telemetry/vehicle_sample.h"

namespace velquist {

VehicleSample sample;

}  // namespace velquist
