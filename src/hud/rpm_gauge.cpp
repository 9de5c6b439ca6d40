// The analogue rpm gauge of cars: the face for the vehicle's maximum rpm, its label layer,
// the needle and the shadow.
#include "hud/rpm_gauge.h"

#include "core/schedule.h"
#include "hud/hud_draw.h"
#include "hud/hud_state.h"
#include "hud/needle_math.h"
#include "hud/texture_set.h"
#include "settings/profile_settings.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

void stepRpmNeedle() {
    const float target = rpmNeedleTarget(sample.rpmFraction, sample.maxRpmThousands);
    hud.rpmNeedle = stepNeedle(hud.rpmNeedle, target, needleRateLimit(schedule.refreshElapsed));
}

void drawRpmGauge() {
    const ScreenPoint at = extraPlace();
    const float front = frontOpacity();
    drawLayer(textures.rpmDials[rpmDialFor(sample.maxRpmThousands)], levelBack, at, white, front);
    drawLayer(textures.rpmText, levelLabel, at, white, front);
    // The gear digit sits low on the face; its needle is shorter.
    drawNeedle(profile.gear != 0 ? textures.needleSmallB : textures.needleSmallA, 0, at,
               hud.rpmNeedle, front);
    drawLayer(profile.isExtraGaugeLeft != 0 ? textures.shadowLeft : textures.shadowAbove, levelBack,
              at, white, shadowOpacity());
}

}  // namespace velquist
