// One HUD refresh, top to bottom: sample the vehicle (the needle and flash steps run
// inside), fade, then draw the cluster's parts from the back of the dial outwards.
#include "hud/refresh_hud.h"

#include "host/native_call.h"
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

constexpr uint64_t nativeAspectRatio = 0xF1307EF624A80D87;  // (physical) -> width / height

// The vehicle's own colour when it makes a good needle, else the profile's.
void chooseNeedleColour() {
    const bool own = hud.primaryColourAccepted && profile.usePrimColor != 0;
    const float* c = own ? hud.primaryColour : display.settingsNeedleColour;
    for (int i = 0; i < 3; ++i)
        hud.needleColour[i] = c[i];
}

// What only some kinds show: a car's rpm gauge or LEDs and its gear, an aircraft's
// vertical speed.
void drawKindGauges() {
    if (sample.vehicleKind == kindCar) {
        // A passenger sees speed, damage, brand and fuel, but not the driver's engine.
        if (profile.rpm == 0 || sample.isPassenger) return;
        if (profile.rpm == 1) drawRpmGauge();
        if (profile.rpm == 2) drawRpmLeds();
        if (profile.gear != 0) drawGearIndicator();
    } else if (sample.vehicleKind == kindPlane && profile.vertical != 0) {
        drawVerticalGauge();
    }
}

}  // namespace

void updateBrightnessAndLayout() {
    updateDayBrightness();
    layout.aspectRatio = native::call<float>(nativeAspectRatio, false);
    computeLayout();
}

void refreshHud() {
    sampleRefresh();
    if (!stepFade()) return;
    // A kind switched off keeps its fade; its images end with their display time.
    if (profile.isEnabledIn(sample.vehicleKind) == 0) return;
    chooseNeedleColour();
    drawVelocityGauge();
    if (profile.dmg != 0) drawDamageFlash();
    if (profile.brand != 0) drawBrandLogo();
    if (hasFuelDecorator()) drawFuelGauge();
    drawKindGauges();
}

}  // namespace velquist
