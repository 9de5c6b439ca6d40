// The velocity gauge: which dial face the vehicle shows, where its needle points, and the
// gauge's four layers.
#include "hud/velocity_gauge.h"

#include <algorithm>

#include "core/schedule.h"
#include "hud/display_settings.h"
#include "hud/hud_draw.h"
#include "hud/hud_state.h"
#include "hud/needle_math.h"
#include "hud/texture_set.h"
#include "settings/extended_settings.h"
#include "settings/profile_settings.h"
#include "telemetry/vehicle_sample.h"

namespace velquist {

namespace {

namespace cat = catalogue;

// A car steps up only while the player is on the throttle.
constexpr float stepUpThrottle = 0.1f;
// How close (turns) the needle must come to the end of the printed scale for a step-up.
constexpr float carStepUpMargin = 0.01f;
constexpr float trainStepUpMargin = 0.05f;

// Cars start on the dial that suits their class. With useHighSpeedo on, sports and super
// cars (6, 7) take the widest dial at once and most road classes start one up; without
// it, classes 1 and 3 to 8 start one up.
int32_t carVariant() {
    const int32_t c = sample.vehicleClass;
    const int32_t step = hud.dialStep;
    if (profile.useHighSpeedo != 0) {
        if (c == 6 || c == 7) return 2;
        if ((c >= 0 && c <= 5) || c == 8 || c == 18) return step + 1;
        return step;
    }
    if (c == 1 || (c >= 3 && c <= 8)) return step + 1;
    return step;
}

// The highest variant with a face for the kind in any unit.
int32_t highestVariant(VehicleKind kind) {
    int32_t highest = 0;
    for (int unit = 0; unit < cat::unitSlotCount; ++unit)
        for (int v = 0; v < cat::dialVariantCount; ++v)
            if (cat::dialFaceOf[kind][unit][v] != cat::noFace) highest = std::max(highest, v);
    return highest;
}

const DialCalibration& calibration(int32_t variant) {
    return extended.dialCalibration[sample.vehicleKind][displayUnit()][variant];
}

}  // namespace

int32_t dialVariant() {
    int32_t v = 0;
    switch (sample.vehicleKind) {
        case kindCar:
            v = carVariant();
            break;
        case kindBoat:
            v = profile.useHighSpeedo != 0 ? 1 : 0;
            break;
        case kindTrain:
            v = hud.dialStep;
            break;
        default:
            break;
    }
    // useHighSpeedo switched on after a car of class 0, 2 or 18 has stepped up twice
    // would ask for a fourth dial; the widest one stays.
    return std::clamp(v, 0, highestVariant(sample.vehicleKind));
}

void checkDialStepUp() {
    const int32_t v = dialVariant();
    if (sample.vehicleKind == kindCar) {
        if (v >= 2) return;
        if (sample.throttle > stepUpThrottle &&
            hud.velocityNeedle > calibration(v).deg2 - carStepUpMargin)
            ++hud.dialStep;
    } else if (sample.vehicleKind == kindTrain) {
        if (v >= 1) return;
        if (hud.velocityNeedle > calibration(v).deg2 - trainStepUpMargin) ++hud.dialStep;
    }
}

void stepVelocityNeedle() {
    const float target = velocityNeedleTarget(displaySpeed(), calibration(dialVariant()));
    hud.velocityNeedle =
        stepNeedle(hud.velocityNeedle, target, needleRateLimit(schedule.refreshElapsed));
}

void drawVelocityGauge() {
    const ScreenPoint at = mainPlace();
    const SpeedUnit unit = displayUnit();
    const float front = frontOpacity();
    drawLayer(textures.shadowMain, levelBack, at, white, shadowOpacity());
    drawLayer(textures.velocityDials[sample.vehicleKind][unit][dialVariant()], levelDial, at, white,
              front);
    // Metres per second is never a unit setting and has no label.
    if (unit < cat::unitTextCount)
        drawLayer(textures.unitTexts[unit], levelLabel, at, white, front);
    // With the LED row and the gear digit on the dial, the needle leaves its centre free.
    const bool dialCentreTaken = profile.gear != 0 && profile.rpm == 2 && !sample.isPassenger &&
                                 sample.vehicleKind == kindCar;
    drawNeedle(dialCentreTaken ? textures.needleBigB : textures.needleBigA, 0, at,
               hud.velocityNeedle, front);
}

}  // namespace velquist
