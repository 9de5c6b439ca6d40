// The profile's integers as drawing values, and the places of the cluster's parts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "hud/display_settings.h"
#include "hud/hud_layout.h"
#include "settings/profile_settings.h"
#include "support/plugin_test.h"
#include "support/test_host.h"

using namespace velquist;

namespace {

class Display : public testing_host::PluginTest {
  protected:
    // deriveDisplaySettings then computeLayout, as after a profile read.
    void apply() {
        deriveDisplaySettings();
        computeLayout();
    }
};

using DeriveDisplaySettingsTest = Display;
using ComputeLayoutTest = Display;

TEST_F(DeriveDisplaySettingsTest, DefaultProfileGivesItsFractions) {
    deriveDisplaySettings();
    EXPECT_FLOAT_EQ(display.hudScale, 0.81f);
    EXPECT_FLOAT_EQ(display.anchorX, 0.9f);
    EXPECT_FLOAT_EQ(display.anchorY, 0.92f);
    EXPECT_FLOAT_EQ(display.frontAlpha, 0.9f);
    EXPECT_FLOAT_EQ(display.backAlpha, 0.3f);
    EXPECT_FLOAT_EQ(display.brandAlpha, 0.5f);
    EXPECT_EQ(display.dmgIntensityFactor, 1.0f);
    EXPECT_EQ(display.dmgFrequencyFactor, 1.0f);
    EXPECT_EQ(display.settingsNeedleColour[0], 1.0f);
    EXPECT_FLOAT_EQ(display.settingsNeedleColour[1], 25.0f / 255.0f);
    EXPECT_FLOAT_EQ(display.settingsNeedleColour[2], 25.0f / 255.0f);
    for (float f : display.speedFactor)
        EXPECT_EQ(f, 1.0f);
}

TEST_F(DeriveDisplaySettingsTest, RangeEndsGiveExactValues) {
    profile.hudSize = 100;
    profile.needleGreen = 255;
    profile.needleBlue = 0;
    profile.alphaFrontMax = 100;
    profile.alphaBackMax = 0;
    profile.mainOffsetX = 1000;
    profile.mainOffsetY = 0;
    deriveDisplaySettings();
    EXPECT_EQ(display.hudScale, 1.0f);
    EXPECT_EQ(display.settingsNeedleColour[1], 1.0f);
    EXPECT_EQ(display.settingsNeedleColour[2], 0.0f);
    EXPECT_EQ(display.frontAlpha, 1.0f);
    EXPECT_EQ(display.backAlpha, 0.0f);
    EXPECT_EQ(display.anchorX, 1.0f);
    EXPECT_EQ(display.anchorY, 0.0f);

    profile.hudSize = 20;
    deriveDisplaySettings();
    EXPECT_FLOAT_EQ(display.hudScale, 0.04f);
    profile.hudSize = 200;
    deriveDisplaySettings();
    EXPECT_EQ(display.hudScale, 4.0f);
}

TEST_F(DeriveDisplaySettingsTest, SpeedFactorsAndDamageFactorsKeepTheirOwnKeys) {
    profile.bicFactor = 50;
    profile.boaFactor = 60;
    profile.carFactor = 70;
    profile.plaFactor = 80;
    profile.traFactor = 200;
    profile.dmgIntensity = 150;
    profile.dmgFrequency = 50;
    deriveDisplaySettings();
    EXPECT_FLOAT_EQ(display.speedFactor[kindBicycle], 0.5f);
    EXPECT_FLOAT_EQ(display.speedFactor[kindBoat], 0.6f);
    EXPECT_FLOAT_EQ(display.speedFactor[kindCar], 0.7f);
    EXPECT_FLOAT_EQ(display.speedFactor[kindPlane], 0.8f);
    EXPECT_FLOAT_EQ(display.speedFactor[kindTrain], 2.0f);
    EXPECT_FLOAT_EQ(display.dmgIntensityFactor, 1.5f);
    EXPECT_FLOAT_EQ(display.dmgFrequencyFactor, 0.5f);
}

TEST_F(ComputeLayoutTest, AspectRatioStartsAtOne) {
    EXPECT_EQ(Layout{}.aspectRatio, 1.0f);
}

TEST_F(ComputeLayoutTest, FullSizePutsTheVelocityGaugeOnTheAnchor) {
    profile.hudSize = 100;
    for (float a : {1.0f, 16.0f / 9.0f, 2.37f}) {
        layout.aspectRatio = a;
        apply();
        EXPECT_EQ(layout.mainX, display.anchorX) << a;
        EXPECT_EQ(layout.mainY, display.anchorY) << a;
        EXPECT_FLOAT_EQ(layout.spriteSize, 0.2f);
    }
}

TEST_F(ComputeLayoutTest, DoubleSizeMovesTheCentreLeftAndUp) {
    profile.hudSize = 200;
    layout.aspectRatio = 16.0f / 9.0f;
    apply();
    EXPECT_NEAR(layout.mainX, display.anchorX - 0.294f, 1e-6);
    EXPECT_NEAR(layout.mainY, display.anchorY - 0.273f / (16.0f / 9.0f), 1e-6);
    EXPECT_FLOAT_EQ(layout.spriteSize, 0.8f);

    // The default size pulls the other way: the centre moves right and down.
    profile.hudSize = 90;
    apply();
    EXPECT_NEAR(layout.mainX, 0.9f + 0.19f * 0.098f, 1e-6);
    EXPECT_NEAR(layout.mainY, 0.92f + 0.19f * 0.091f / (16.0f / 9.0f), 1e-6);
}

TEST_F(ComputeLayoutTest, SwitchingTheExtraGaugeSideSwapsPlacesPAndQ) {
    profile.hudSize = 100;
    profile.mainOffsetX = 500;
    profile.mainOffsetY = 500;
    layout.aspectRatio = 2.0f;
    const float s = 0.2f;
    const float pX = 0.5f + 0.3720703125f * s, pY = 0.5f - 0.484375f * s * 2.0f;
    const float qX = 0.5f - 0.5439453125f * s, qY = 0.5f + 0.173828125f * s * 2.0f;

    profile.isExtraGaugeLeft = 0;  // above
    apply();
    EXPECT_FLOAT_EQ(layout.extraX, pX);
    EXPECT_FLOAT_EQ(layout.extraY, pY);
    EXPECT_FLOAT_EQ(layout.sideX, qX);
    EXPECT_FLOAT_EQ(layout.sideY, qY);
    const float mainX = layout.mainX, mainY = layout.mainY, ledY = layout.ledY;

    profile.isExtraGaugeLeft = 1;  // left
    apply();
    EXPECT_FLOAT_EQ(layout.extraX, qX);
    EXPECT_FLOAT_EQ(layout.extraY, qY);
    EXPECT_FLOAT_EQ(layout.sideX, pX);
    EXPECT_FLOAT_EQ(layout.sideY, pY);
    EXPECT_EQ(layout.mainX, mainX);
    EXPECT_EQ(layout.mainY, mainY);
    EXPECT_EQ(layout.ledY, ledY);
}

TEST_F(ComputeLayoutTest, LedRowIsCentredOnTheDialAndShiftsInStepsOfA512thSprite) {
    profile.hudSize = 100;
    profile.mainOffsetX = 500;
    profile.mainOffsetY = 500;
    profile.ledsOffsetX = 0;
    profile.ledsOffsetY = 0;
    layout.aspectRatio = 2.0f;
    apply();
    EXPECT_FLOAT_EQ(layout.ledStep, 0.2f * 25.0f / 512.0f);
    EXPECT_FLOAT_EQ(layout.ledStartX + 4 * layout.ledStep, layout.mainX);  // the fifth LED
    EXPECT_EQ(layout.ledY, layout.mainY);

    // 256 steps are half a sprite; y is also scaled by the aspect ratio.
    profile.ledsOffsetX = -256;
    profile.ledsOffsetY = 256;
    apply();
    EXPECT_FLOAT_EQ(layout.ledStartX + 4 * layout.ledStep, 0.5f - 0.1f);
    EXPECT_FLOAT_EQ(layout.ledY, 0.5f + 0.1f * 2.0f);
}

TEST_F(ComputeLayoutTest, AnAspectRatioNoScreenCanHaveCountsAsOne) {
    profile.hudSize = 150;
    layout.aspectRatio = 1.0f;
    apply();
    const Layout atOne = layout;
    for (float bad : {0.0f, -1.5f, std::numeric_limits<float>::quiet_NaN(),
                      std::numeric_limits<float>::infinity()}) {
        layout.aspectRatio = bad;
        apply();
        EXPECT_EQ(layout.aspectRatio, 1.0f) << bad;
        EXPECT_EQ(layout.mainY, atOne.mainY) << bad;
        EXPECT_EQ(layout.extraY, atOne.extraY) << bad;
        EXPECT_EQ(layout.ledY, atOne.ledY) << bad;
    }
}

}  // namespace
