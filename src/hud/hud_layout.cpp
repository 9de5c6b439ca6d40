// Where the cluster's parts stand on the screen: the velocity gauge at the anchor (pulled
// towards the screen's centre as the HUD grows), the second gauge and the fuel gauge in
// the two places beside it, and the row of rpm LEDs.
#include <cmath>

#include "hud/display_settings.h"
#include "settings/profile_settings.h"

namespace velquist {

Layout layout;

namespace {

constexpr float spriteSizeAtScale1 = 0.2f;  // screen-width fraction of a full-size image
// How far the velocity gauge moves per unit of hudScale above 1, so a larger cluster
// stays near its corner.
constexpr float mainShiftX = 0.098f;
constexpr float mainShiftY = 0.091f;
// The two places beside the velocity gauge, in units of spriteSize.
constexpr float aboveX = 0.3720703125f;  // P: above the dial, to its right
constexpr float aboveY = -0.484375f;
constexpr float leftX = -0.5439453125f;  // Q: left of the dial, slightly lower
constexpr float leftY = 0.173828125f;
constexpr float ledSpacing = 0.048828125f;             // 25/512 of spriteSize
constexpr float ledOffsetUnit = 2.0f * 0.0009765625f;  // an offset step is spriteSize/512
constexpr int ledsLeftOfCentre = 4;  // nine LEDs, the fifth on the dial's centre line

// The game's answer is used as it comes unless it cannot be a screen's aspect ratio; a
// zero or broken value would throw every y position off the screen.
float usableAspectRatio(float a) {
    return std::isfinite(a) && a > 0.0f ? a : 1.0f;
}

}  // namespace

void computeLayout() {
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
