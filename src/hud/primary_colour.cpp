// The vehicle's primary colour as needle colour: brightened, and taken only when one
// channel clearly leads, so that the needle reads as a colour and not as white or grey.
#include "hud/primary_colour.h"

#include <algorithm>

#include "host/native_call.h"
#include "host/natives.h"
#include "hud/hud_state.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

namespace {

// Classes 10 and up (industrial, utility, vans, bicycles, boats, aircraft, service,
// emergency, military, commercial, trains) keep the settings colour.
constexpr int32_t firstUncolouredClass = 10;
constexpr int32_t channelMax = 255;
constexpr float brighten = 2.8f;  // a channel of 255 becomes 2.8 before scaling back to 1
constexpr float tooDark = 0.25f;  // mean of the scaled channels at or below this: rejected
constexpr float leadBase = 3.5f;  // the lead a channel needs: leadBase - 2 x mean

}  // namespace

void testPrimaryColour() {
    hud.primaryColourAccepted = false;
    if (sample.vehicleClass >= firstUncolouredClass) return;

    int32_t raw[3] = {};
    native::call<void>(natives::customPrimaryColour, sample.vehicle, &raw[0], &raw[1], &raw[2]);
    float* c = hud.primaryColour;
    // The game answers 0..255; anything else is taken as the nearest end.
    for (int i = 0; i < 3; ++i)
        c[i] = static_cast<float>(std::clamp(raw[i], 0, channelMax)) / 255.0f * brighten;

    // The strongest channel; a tie keeps the earlier one.
    int strongest = 0;
    float top = std::max(c[0], 0.0f);
    if (c[1] > top) top = c[1], strongest = 1;
    if (c[2] > top) top = c[2], strongest = 2;
    if (top > 1.0f)
        for (int i = 0; i < 3; ++i)
            c[i] /= top;

    const float mean = (c[0] + c[1] + c[2]) / 3.0f;
    if (mean <= tooDark) return;
    const float lead = leadBase - 2.0f * mean;
    const float s = c[strongest];
    if (s > lead * c[(strongest + 1) % 3] || s > lead * c[(strongest + 2) % 3])
        hud.primaryColourAccepted = true;
}

}  // namespace velquist
