// One HUD refresh, top to bottom: sample the vehicle (the needle and flash steps run
// inside), fade, then draw the cluster's parts from the back of the dial outwards.
#include "hud/refresh_hud.h"

#include "host/native_call.h"
#include "host/natives.h"
#include "hud/cluster_visibility.h"
#include "hud/display_settings.h"
#include "hud/gauges.h"
#include "hud/hud_state.h"
#include "hud/indicators.h"
#include "settings/profile_settings.h"
#include "telemetry/sample_refresh.h"
#include "telemetry/shared_mod_values.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

namespace {

// The vehicle's own colour when it makes a good needle, else the profile's.
void chooseNeedleColour() {
    const bool own = hud.primaryColourAccepted && profile.usePrimColor != 0;
    const float* c = own ? hud.primaryColour : display.settingsNeedleColour;
    for (int i = 0; i < 3; ++i)
        hud.needleColour[i] = c[i];
}

// A car's rpm gauge or LEDs and its gear are the driver's: a passenger sees speed, damage,
// brand and fuel, but not the driver's engine.
bool driverOfCar() {
    return sample.vehicleKind == kindCar && !sample.isPassenger;
}

}  // namespace

void updateBrightnessAndLayout() {
    updateDayBrightness();
    layout.aspectRatio = native::call<float>(natives::aspectRatio, false);
    computeLayout();
}

bool clusterPartShown(ClusterPart part) {
    switch (part) {
        case ClusterPart::velocityGauge:
            return true;
        case ClusterPart::damageFlash:
            return profile.dmg != 0;
        case ClusterPart::brandLogo:
            return profile.brand != 0;
        case ClusterPart::fuelGauge:
            return hasFuelDecorator();
        case ClusterPart::rpmGauge:
            return driverOfCar() && profile.rpm == 1;
        case ClusterPart::rpmLeds:
            return driverOfCar() && profile.rpm == 2;
        case ClusterPart::gearIndicator:
            return driverOfCar() && profile.rpm != 0 && profile.gear != 0;
        case ClusterPart::verticalGauge:
            return sample.vehicleKind == kindPlane && profile.vertical != 0;
    }
    return false;
}

void drawClusterPart(ClusterPart part) {
    switch (part) {
        case ClusterPart::velocityGauge:
            drawVelocityGauge();
            break;
        case ClusterPart::damageFlash:
            drawDamageFlash();
            break;
        case ClusterPart::brandLogo:
            drawBrandLogo();
            break;
        case ClusterPart::fuelGauge:
            drawFuelGauge();
            break;
        case ClusterPart::rpmGauge:
            drawRpmGauge();
            break;
        case ClusterPart::rpmLeds:
            drawRpmLeds();
            break;
        case ClusterPart::gearIndicator:
            drawGearIndicator();
            break;
        case ClusterPart::verticalGauge:
            drawVerticalGauge();
            break;
    }
}

void refreshHud() {
    sampleRefresh();
    if (!stepFade()) return;
    // A kind switched off keeps its fade; its images end with their display time.
    if (profile.isEnabledIn(sample.vehicleKind) == 0) return;
    chooseNeedleColour();
    for (int i = 0; i < clusterPartCount; ++i) {
        const auto part = static_cast<ClusterPart>(i);
        if (clusterPartShown(part)) drawClusterPart(part);
    }
}

}  // namespace velquist
