// The vehicle-change handler: puts the sample back to its starting values and resolves
// the new vehicle's livery name, brand, maximum rpm and kind.
#pragma once

#include <cstdint>
#include <string>

namespace velquist {

// Longest livery name kept from the game's display-name label.
constexpr size_t liveryMax = 16;

// Sets sample.vehicleKind from the game's vehicle class (13 bicycle, 14 boat, 15 and 16
// plane, 21 train, any other car) and sample.vehicleClass when the class lies in 0..21.
void classifyVehicle(int32_t gameClass);

// Runs for sample.vehicle: when the player's vehicle changes to a nonzero handle, and
// once at start-up (with no vehicle yet).
void onVehicleChanged();

// The livery name a display-name label gives: its text up to the first zero byte, at
// most liveryMax characters; a null label (no name from the game) gives "".
std::string liveryFromLabel(const char* label);

// Position of the first entry of texts.brandNames equal to brand (case-sensitive), or 0.
int32_t brandIndexOf(const std::string& brand);

}  // namespace velquist
