// Where the cluster's parts stand on the screen: the velocity gauge at the anchor (pulled
// towards the screen's centre as the HUD grows), the second gauge and the fuel gauge in
// the two places beside it, and the row of rpm LEDs.
#include "hud/hud_layout.h"

#include <cmath>

#include "hud/display_settings.h"
#include "hud/layout_geometry.h"
#include "settings/profile_settings.h"

namespace velquist {

Layout layout;

namespace {

// The game's answer is used as it comes unless it cannot be a screen's aspect ratio; a
// zero or broken value would throw every y position off the screen.
float usableAspectRatio(float a) {
    return std::isfinite(a) && a > 0.0f ? a : 1.0f;
}

}  // namespace

void computeLayout() {
    using namespace geometry;
    layout.aspectRatio = usableAspectRatio(layout.aspectRatio);
    const float a = layout.aspectRatio;
    const float scale = display.hudScale;
    const float s = spriteSizeAtScale1 * scale;
    layout.spriteSize = s;

    layout.mainX = display.anchorX - (scale - 1.0f) * mainShiftX;
    layout.mainY = display.anchorY - (scale - 1.0f) * mainShiftY / a;

    const float pX = layout.mainX + aboveX * s;
    const float pY = layout.mainY + aboveY * s * a;
    const float qX = layout.mainX + leftX * s;
    const float qY = layout.mainY + leftY * s * a;
    // The second gauge takes one place, the fuel gauge the other.
    const bool extraLeft = profile.isExtraGaugeLeft != 0;
    layout.extraX = extraLeft ? qX : pX;
    layout.extraY = extraLeft ? qY : pY;
    layout.sideX = extraLeft ? pX : qX;
    layout.sideY = extraLeft ? pY : qY;

    layout.ledStep = s * ledSpacing;
    layout.ledStartX = layout.mainX + static_cast<float>(profile.ledsOffsetX) * ledOffsetUnit * s -
                       ledsLeftOfCentre * layout.ledStep;
    layout.ledY = layout.mainY + static_cast<float>(profile.ledsOffsetY) * ledOffsetUnit * s * a;
}

}  // namespace velquist
