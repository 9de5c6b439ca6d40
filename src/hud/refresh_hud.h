// The HUD refresh: one ordered list of every step of a refresh, from the vehicle sampling
// with the needle and indicator steps between its parts, through the fade, to the drawing
// of the gauge cluster.
#pragma once

namespace velquist {

// One refresh; run by frameStep every refreshInterval ms while the mod is enabled.
void refreshHud();

// A new vehicle: the vehicle-change handler resets the sample and resolves the vehicle's
// names, maximum rpm and kind, then the cluster starts on it. Run by the refresh when the
// player gets into a vehicle, and once at start-up (with no vehicle yet).
void changeVehicle();

// The parts of the cluster in the order a refresh draws them, from the back of the dial
// outwards.
enum class ClusterPart : int {
    velocityGauge,
    damageFlash,
    brandLogo,
    fuelGauge,
    rpmGauge,
    rpmLeds,
    gearIndicator,
    verticalGauge,
};
constexpr int clusterPartCount = 8;

// Whether a refresh draws the part for the profile and the vehicle sample as they stand
// (the fuel gauge asks the vehicle for a fuel mod's values).
bool clusterPartShown(ClusterPart part);

// Draws the part at the layout's places.
void drawClusterPart(ClusterPart part);

// The slow part of every 100th refresh: brightness by the time of day, the screen's aspect
// ratio from the game, and the layout for it.
void updateBrightnessAndLayout();

}  // namespace velquist
