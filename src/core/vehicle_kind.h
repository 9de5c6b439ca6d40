// The vehicle kinds and speed units that index every per-kind setting and table.
#pragma once

#include <cstdint>

namespace velquist {

// Settings keys use the prefixes bic, boa, car, pla, tra in this order.
enum VehicleKind : int32_t {
    kindBicycle = 0,
    kindBoat = 1,   // boats and submarines
    kindCar = 2,    // cars and motorcycles
    kindPlane = 3,  // planes and helicopters
    kindTrain = 4,
};
constexpr int vehicleKindCount = 5;

// Index 3 (metres per second) is used only for texts and factors.
enum SpeedUnit : int32_t {
    unitMph = 0,
    unitKmh = 1,
    unitKnots = 2,
    unitMps = 3,
};

}  // namespace velquist
