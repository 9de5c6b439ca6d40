// The HUD's moving state: the cluster's fade and brightness, the needles, the dial
// variant, the needle colour and the damage flash. Written by the refresh's steps; a
// vehicle change puts the per-vehicle fields back to their starting values
// (startClusterOnNewVehicle).
#pragma once

#include <cstdint>

namespace velquist {

struct HudState {
    // Frame
    float fadeAlpha = 0.0f;      // 0..1, cluster-wide opacity; 0 after every vehicle change
    float dayBrightness = 0.0f;  // 0.8..1.1 by the in-game time; 0 until the 100th refresh
    float needleColour[3] = {};  // r, g, b 0..1 the needles are drawn with this refresh

    // Gauges
    int32_t dialStep = 0;                // velocity dial step-ups in this vehicle; 0 on a change
    float velocityNeedle = 0.0f;         // turns; kept across vehicle changes
    float rpmNeedle = 0.75f;             // turns; 0.75 (rest) after every vehicle change
    float primaryColour[3] = {};         // the vehicle's primary colour brightened, r g b 0..1
    bool primaryColourAccepted = false;  // usable as needle colour; false on a change

    // Indicators
    float damageLevel = 0.0f;     // strength of the damage flash; 0 on a vehicle change
    float damageHigh = 0.0f;      // upper level of the swing
    float damageLow = 0.0f;       // lower level of the swing (negative above 300 health)
    bool damageRising = true;     // direction of the swing; kept across vehicle changes
    float verticalNeedle = 0.0f;  // turns; kept across vehicle changes
    float fuelNeedle = 0.75f;     // turns; 0.75 (rest) after every vehicle change
};

extern HudState hud;

// The cluster of a new vehicle starts on the dial its class starts on, with the small
// needles at rest, faded out, without a damage flash and with the settings' needle colour
// until the vehicle's own colour has been tested. The velocity needle swings over from
// where it stands.
void startClusterOnNewVehicle();

}  // namespace velquist
