// Texture loading: every image of the cluster asked of the host once, in a fixed order,
// the velocity faces spread over the kinds, units and variants that show them, and one
// logo per brand name.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/process_texts.h"
#include "hud/texture_set.h"
#include "support/game_folder.h"
#include "support/plugin_test.h"
#include "support/test_host.h"

using namespace velquist;
using testing_host::host;

namespace {

class TextureSetTest : public testing_host::FolderTest {
  protected:
    // The paths asked of the host, relative to the data folder.
    std::vector<std::string> loaded() const {
        std::vector<std::string> out;
        for (const std::string& p : host.textures) {
            const size_t at = p.find("Velquist\\");
            out.push_back(at == std::string::npos ? "?" + p : p.substr(at + 9));
        }
        return out;
    }
    // The id the host gave for a path.
    int32_t idOf(const std::string& relative) const {
        const auto paths = loaded();
        for (size_t i = 0; i < paths.size(); ++i)
            if (paths[i] == relative) return static_cast<int32_t>(i + 1);
        return -1;
    }
};

TEST_F(TextureSetTest, HudImagesLoadOnceEachInTheirOrder) {
    loadHudTextures();
    const std::vector<std::string> expected = {"Shadow\\ShadowMain.png",
                                               "Shadow\\ShadowLeft.png",
                                               "Shadow\\ShadowAbove.png",
                                               "Rpm\\Rpm3.png",
                                               "Rpm\\Rpm5.png",
                                               "Rpm\\Rpm6.png",
                                               "Rpm\\Rpm8.png",
                                               "Rpm\\Rpm9.png",
                                               "Rpm\\Rpm10.png",
                                               "Rpm\\Rpm12.png",
                                               "Rpm\\RpmText.png",
                                               "Rpm\\LedOn.png",
                                               "Rpm\\LedOff.png",
                                               "Velocity\\MaxMph.png",
                                               "Velocity\\MaxKmh.png",
                                               "Velocity\\MaxKno.png",
                                               "Velocity\\CarMphFast.png",
                                               "Velocity\\CarKmhFast.png",
                                               "Velocity\\CarMphSlow.png",
                                               "Velocity\\CarKmhSlow.png",
                                               "Velocity\\LinMphFast.png",
                                               "Velocity\\LinKmhFast.png",
                                               "Velocity\\LinKnoFast.png",
                                               "Velocity\\LinMphSlow.png",
                                               "Velocity\\LinKmhSlow.png",
                                               "Velocity\\LinKnoSlow.png",
                                               "Velocity\\TextMph.png",
                                               "Velocity\\TextKmh.png",
                                               "Velocity\\TextKno.png",
                                               "GearNumbers\\GearR.png",
                                               "GearNumbers\\GearN.png",
                                               "GearNumbers\\Gear1.png",
                                               "GearNumbers\\Gear2.png",
                                               "GearNumbers\\Gear3.png",
                                               "GearNumbers\\Gear4.png",
                                               "GearNumbers\\Gear5.png",
                                               "GearNumbers\\Gear6.png",
                                               "GearNumbers\\Gear7.png",
                                               "GearNumbers\\Gear8.png",
                                               "GearNumbers\\GearShiftDown.png",
                                               "GearNumbers\\GearShiftUp.png",
                                               "Needles\\NeedleBigA.png",
                                               "Needles\\NeedleBigB.png",
                                               "Needles\\NeedleSmallA.png",
                                               "Needles\\NeedleSmallB.png",
                                               "Damage.png",
                                               "PlaVertical.png",
                                               "Fuel\\ExtFuelCokeScale.png",
                                               "Fuel\\ExtFuelCoke.png",
                                               "Fuel\\ExtFuelMeth.png",
                                               "Fuel\\ExtFuelWeed.png"};
    EXPECT_EQ(loaded(), expected);
    // The full path is the plug-in's folder, the data folder and the image's path.
    EXPECT_EQ(host.textures[0], texts.pluginFolder + "Velquist\\Shadow\\ShadowMain.png");

    const TextureSet& t = textures;
    EXPECT_EQ(t.shadowAbove, 3);
    EXPECT_EQ(t.rpmDials[6], idOf("Rpm\\Rpm12.png"));
    EXPECT_EQ(t.unitTexts[2], idOf("Velocity\\TextKno.png"));
    EXPECT_EQ(t.gearDigits[0], idOf("GearNumbers\\GearR.png"));
    EXPECT_EQ(t.gearDigits[9], idOf("GearNumbers\\Gear8.png"));
    EXPECT_EQ(t.shiftUpImage, idOf("GearNumbers\\GearShiftUp.png"));
    EXPECT_EQ(t.needleSmallB, idOf("Needles\\NeedleSmallB.png"));
    EXPECT_EQ(t.verticalDial, idOf("PlaVertical.png"));
    EXPECT_EQ(t.fuelScale, idOf("Fuel\\ExtFuelCokeScale.png"));
    EXPECT_EQ(t.fuelImages[2], 51);
}

TEST_F(TextureSetTest, VelocityFacesFillTheReachableEntriesOnly) {
    loadHudTextures();
    const auto& v = textures.velocityDials;
    const int32_t linMphFast = idOf("Velocity\\LinMphFast.png");
    // car: LinFast, CarSlow, CarFast
    EXPECT_EQ(v[kindCar][unitMph][0], linMphFast);
    EXPECT_EQ(v[kindCar][unitMph][1], idOf("Velocity\\CarMphSlow.png"));
    EXPECT_EQ(v[kindCar][unitKmh][2], idOf("Velocity\\CarKmhFast.png"));
    // one file, several entries
    EXPECT_EQ(v[kindBoat][unitMph][1], linMphFast);
    EXPECT_EQ(v[kindTrain][unitMph][0], linMphFast);
    EXPECT_EQ(v[kindBicycle][unitKmh][0], idOf("Velocity\\LinKmhSlow.png"));
    EXPECT_EQ(v[kindBoat][unitKnots][0], idOf("Velocity\\LinKnoSlow.png"));
    EXPECT_EQ(v[kindPlane][unitKnots][0], idOf("Velocity\\MaxKno.png"));
    // unreachable
    EXPECT_EQ(v[kindCar][unitKnots][0], 0);
    EXPECT_EQ(v[kindBicycle][unitKnots][0], 0);
    EXPECT_EQ(v[kindBicycle][unitMph][1], 0);
    EXPECT_EQ(v[kindTrain][unitKmh][2], 0);
    EXPECT_EQ(v[kindPlane][unitMph][1], 0);
    for (int kind = 0; kind < vehicleKindCount; ++kind)
        for (int variant = 0; variant < 3; ++variant)
            EXPECT_EQ(v[kind][unitMps][variant], 0);
}

TEST_F(TextureSetTest, AReloadAsksAgainAndTakesTheNewIds) {
    loadHudTextures();
    loadHudTextures();
    EXPECT_EQ(host.textures.size(), 102u);
    EXPECT_EQ(textures.shadowMain, 52);
    EXPECT_EQ(textures.velocityDials[kindCar][unitMph][0], 51 + idOf("Velocity\\LinMphFast.png"));
}

TEST_F(TextureSetTest, EveryOneOfTheHundredBrandsGetsALogoEvenWithoutAName) {
    texts.brandNames[0] = "Empty";
    texts.brandNames[7] = "Truffade";
    loadBrandTextures();
    const auto paths = loaded();
    ASSERT_EQ(paths.size(), 100u);
    EXPECT_EQ(paths[0], "Brands\\Empty.png");
    EXPECT_EQ(paths[7], "Brands\\Truffade.png");
    EXPECT_EQ(paths[99], "Brands\\.png");
    EXPECT_EQ(textures.brandLogos[7], 8);
    EXPECT_EQ(textures.brandLogos[99], 100);
}

}  // namespace
