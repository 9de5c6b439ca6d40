// The vertical-speed gauge of planes and helicopters, at the second gauge's place: a
// logarithmic scale from 100 m/s down to 100 m/s up.
#include "hud/vertical_gauge.h"

#include "hud/hud_draw.h"
#include "hud/hud_state.h"
#include "hud/needle_math.h"
#include "hud/texture_set.h"
#include "settings/general_settings.h"
#include "settings/profile_settings.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

void stepVerticalNeedle() {
    // This needle's rate follows the refresh setting rather than the time that passed:
    // refreshInterval thousandths of a turn per refresh.
    const float maxStep = static_cast<float>(general.refreshInterval) * 0.001f;
    hud.verticalNeedle =
        stepNeedle(hud.verticalNeedle, verticalNeedleTarget(sample.verticalSpeed), maxStep);
}

void drawVerticalGauge() {
    const ScreenPoint at = extraPlace();
    const float front = frontOpacity();
    drawNeedle(textures.needleSmallA, 0, at, hud.verticalNeedle, front);
    drawLayer(textures.verticalDial, levelDial, at, white, front);
    drawLayer(profile.isExtraGaugeLeft != 0 ? textures.shadowLeft : textures.shadowAbove, levelBack,
              at, white, shadowOpacity());
}

}  // namespace velquist
