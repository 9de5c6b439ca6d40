// One HUD refresh, top to bottom: sample the vehicle, with each needle and indicator step
// right after the values it uses, then fade, then draw the cluster's parts from the back
// of the dial outwards. This list is the one place that says what a refresh does and in
// which order; the steps themselves live with their gauges and with telemetry.
#include "hud/refresh_hud.h"

#include <cstdint>

#include "analytics/acceleration_overlay.h"
#include "core/schedule.h"
#include "host/native_call.h"
#include "host/natives.h"
#include "hud/brand_logo.h"
#include "hud/cluster_visibility.h"
#include "hud/damage_flash.h"
#include "hud/display_settings.h"
#include "hud/fuel_gauge.h"
#include "hud/gear_indicator.h"
#include "hud/hud_layout.h"
#include "hud/hud_state.h"
#include "hud/primary_colour.h"
#include "hud/rpm_gauge.h"
#include "hud/rpm_leds.h"
#include "hud/velocity_gauge.h"
#include "hud/vertical_gauge.h"
#include "settings/profile_settings.h"
#include "telemetry/sample_refresh.h"
#include "telemetry/shared_mod_values.h"
#include "telemetry/vehicle_change.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

namespace {

// Work thinned out by the refresh count.
constexpr uint32_t seatInterval = 10;
constexpr uint32_t slowInterval = 100;

// Each part's drawing, in ClusterPart's order.
constexpr void (*drawPart[])() = {drawVelocityGauge, drawDamageFlash,  drawBrandLogo,
                                  drawFuelGauge,     drawRpmGauge,     drawRpmLeds,
                                  drawGearIndicator, drawVerticalGauge};
static_assert(sizeof(drawPart) / sizeof(drawPart[0]) == clusterPartCount);

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

// The telemetry pass: the handbrake, then, while the HUD is on for the vehicle's kind,
// throttle, speed, rpm, gear and the values of other mods, each gauge's needle stepping
// as soon as its value is in.
void telemetryPass() {
    sampleHandbrake();
    if (profile.isEnabledIn(sample.vehicleKind) == 0) return;

    sampleThrottle();
    const bool engineRunning = sampleSpeed();
    stepVelocityNeedle();

    if (sample.vehicleKind == kindPlane && profile.vertical != 0) {
        stepVerticalNeedle();
    } else if (sample.vehicleKind == kindCar && profile.rpm != 0) {
        sampleRpm(engineRunning);
        stepRpmNeedle();
        if (profile.gear != 0) {
            const int32_t shownGear = sample.gear;
            sampleGear(engineRunning);
            if (sample.gear != shownGear) clearGearDigit(shownGear);
            // The hints read now show from the next refresh on.
            readTransmissionHints();
        }
    }

    if (hasFuelDecorator()) {
        readFuelLevels();
        stepFuelNeedle();
    }
}

// Everything a refresh does with a vehicle in use, before the fade.
void refreshVehicle() {
    if (profile.dmg != 0) {
        sampleEngineHealth();
        updateDamageTargets();
        stepDamageFlash();
    }
    if (schedule.refreshCount % seatInterval == 0) {
        if (profile.usePrimColor != 0) testPrimaryColour();
        sampleSeat();
        checkDialStepUp();
    }
    telemetryPass();
    accelerationStep();
}

}  // namespace

void changeVehicle() {
    onVehicleChanged();
    startClusterOnNewVehicle();
}

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
    drawPart[static_cast<int>(part)]();
}

void refreshHud() {
    if (samplePlayerVehicle()) changeVehicle();
    if (schedule.refreshCount % slowInterval == 0) {
        sampleLastVehicleFallback();
        updateBrightnessAndLayout();
    }
    if (sample.vehicle != 0) refreshVehicle();

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
