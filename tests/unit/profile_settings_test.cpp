// Profile files: what a read puts into memory, and what a write leaves in the file.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>

#include "hud/display_settings.h"
#include "hud/hud_layout.h"
#include "settings/general_settings.h"
#include "settings/profile_keys.h"
#include "settings/profile_settings.h"
#include "support/game_folder.h"
#include "support/plugin_test.h"
#include "support/test_host.h"

using namespace velquist;

namespace {

class Profile : public testing_host::FolderTest {
  protected:
    // Reads profile n as the start-up sequence does.
    void readNumber(int32_t n) {
        general.actSetting = n;
        readProfile();
    }
};

using ReadProfileTest = Profile;
using WriteProfileTest = Profile;

std::string expectedFile(const char* name) {
    std::ifstream in(std::string(VELQUIST_TEST_EXPECTED) + "/" + name, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Every key's value in memory, in table order.
std::vector<int32_t> profileValues() {
    std::vector<int32_t> out;
    for (const ProfileKey& row : profileKeys)
        out.push_back(profile.*row.field);
    return out;
}

TEST_F(ReadProfileTest, NoFileGivesEveryDefaultAndCreatesNothing) {
    for (const ProfileKey& row : profileKeys)
        profile.*row.field = 7777;
    readNumber(1);

    const ProfileSettings fresh;
    for (const ProfileKey& row : profileKeys)
        EXPECT_EQ(profile.*row.field, fresh.*row.field) << row.key;
    EXPECT_EQ(profile.hudSize, 90);
    EXPECT_EQ(profile.mainOffsetX, 900);
    EXPECT_EQ(profile.mainOffsetY, 920);
    EXPECT_EQ(profile.ledsOffsetY, 70);
    EXPECT_EQ(profile.fpv, 0);
    EXPECT_EQ(profile.useHighSpeedo, 0);
    EXPECT_EQ(profile.boaUnit, 1);
    EXPECT_EQ(profile.needleRed, 255);
    EXPECT_EQ(profile.needleGreen, 25);
    EXPECT_FALSE(folder->exists("settings1.ini"));
}

TEST_F(ReadProfileTest, UnitsOfCarsBicyclesAndTrainsStopAtKmh) {
    folder->write("settings1.ini",
                  "[UNITS]\nbicUnit=2\nboaUnit=2\ncarUnit=2\nplaUnit=2\ntraUnit=0\n");
    readNumber(1);
    EXPECT_EQ(profile.bicUnit, 1);
    EXPECT_EQ(profile.boaUnit, 2);
    EXPECT_EQ(profile.carUnit, 1);
    EXPECT_EQ(profile.plaUnit, 2);
    EXPECT_EQ(profile.traUnit, 0);
}

TEST_F(ReadProfileTest, RangeEdgesAreInclusiveAndEachKeyFallsBackAlone) {
    folder->write("settings1.ini",
                  "[OPTICS]\nalphaFrontMax=29\nalphaBackMax=0\nalphaBrand=100\n"
                  "[PLACEMENT]\nhudSize=150\nmainOffsetX=1001\nmainOffsetY=0\n"
                  "ledsOffsetX=-1000\nledsOffsetY=1001\n");
    readNumber(1);
    EXPECT_EQ(profile.alphaFrontMax, 90);
    EXPECT_EQ(profile.alphaBackMax, 0);
    EXPECT_EQ(profile.alphaBrand, 100);
    EXPECT_EQ(profile.hudSize, 150);
    EXPECT_EQ(profile.mainOffsetX, 900);
    EXPECT_EQ(profile.mainOffsetY, 0);
    EXPECT_EQ(profile.ledsOffsetX, -1000);
    EXPECT_EQ(profile.ledsOffsetY, 70);

    folder->write("settings1.ini", "[PLACEMENT]\nledsOffsetX=-1001\n");
    readNumber(1);
    EXPECT_EQ(profile.ledsOffsetX, 0);
}

TEST_F(ReadProfileTest, KeysAreReadFromTheirOwnSection) {
    // hudSize under the wrong section is not the profile's hudSize.
    folder->write("settings1.ini", "[OPTICS]\nhudSize=150\n[PLACEMENT]\nrpm=2\n");
    readNumber(1);
    EXPECT_EQ(profile.hudSize, 90);
    EXPECT_EQ(profile.rpm, 1);
}

TEST_F(ReadProfileTest, ReadsTheFileOfTheActiveProfile) {
    folder->write("settings1.ini", "[PLACEMENT]\nhudSize=50\n");
    folder->write("settings3.ini", "[PLACEMENT]\nhudSize=150\n");
    readNumber(3);
    EXPECT_EQ(profile.hudSize, 150);
    readNumber(2);  // no file: defaults, nothing kept from profile 3
    EXPECT_EQ(profile.hudSize, 90);
    readNumber(1);
    EXPECT_EQ(profile.hudSize, 50);
}

TEST_F(ReadProfileTest, DerivesTheDisplayValuesAndTheLayout) {
    folder->write("settings1.ini",
                  "[PLACEMENT]\nhudSize=100\nmainOffsetX=500\nmainOffsetY=250\n"
                  "[SPEEDFACTOR]\ncarFactor=150\n");
    readNumber(1);
    EXPECT_EQ(display.hudScale, 1.0f);
    EXPECT_EQ(display.speedFactor[kindCar], 1.5f);
    EXPECT_EQ(layout.mainX, 0.5f);
    EXPECT_EQ(layout.mainY, 0.25f);
    EXPECT_FLOAT_EQ(layout.spriteSize, 0.2f);
}

TEST_F(WriteProfileTest, DefaultsWrittenIntoAnEmptyFolderGiveTheExpectedFile) {
    writeProfile(1);
    const std::string expected = expectedFile("settings_defaults.ini");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(folder->read("settings1.ini"), expected);
}

TEST_F(WriteProfileTest, WrittenValuesReadBackTheSame) {
    // A value other than the default for every key; the range ends where they differ.
    for (const ProfileKey& row : profileKeys)
        profile.*row.field = row.minimum != row.defaultValue ? row.minimum : row.maximum;
    const std::vector<int32_t> written = profileValues();
    EXPECT_EQ(profile.ledsOffsetX, -1000);

    writeProfile(2);
    profile = ProfileSettings{};
    readNumber(2);
    EXPECT_EQ(profileValues(), written);
    EXPECT_FALSE(folder->exists("settings1.ini"));
}

TEST_F(WriteProfileTest, HandEditedFileKeepsItsOwnLinesAndKeys) {
    folder->write("settings1.ini",
                  "; my settings for the night\n"
                  "[PLACEMENT]\n"
                  "hudSize=150\n"
                  "myNote=keep me\n"
                  "[MYSECTION]\n"
                  "anything=42\n");
    profile.hudSize = 120;
    writeProfile(1);

    const std::string out = folder->read("settings1.ini");
    EXPECT_NE(out.find("; my settings for the night"), std::string::npos);
    EXPECT_NE(out.find("myNote=keep me"), std::string::npos);
    EXPECT_NE(out.find("[MYSECTION]"), std::string::npos);
    EXPECT_NE(out.find("anything=42"), std::string::npos);
    EXPECT_NE(out.find("hudSize=120;\t\tSize of the speedo HUD in percent.\t\t( 90) <  20- 200>"),
              std::string::npos);
    EXPECT_EQ(out.find("hudSize=150"), std::string::npos);
    // The replaced line keeps its place ahead of the hand-written key.
    EXPECT_LT(out.find("hudSize=120"), out.find("myNote=keep me"));

    // All 39 keys are written, and every one reads back.
    readNumber(1);
    EXPECT_EQ(profile.hudSize, 120);
    for (const ProfileKey& row : profileKeys)
        EXPECT_NE(out.find(std::string(row.key) + "="), std::string::npos) << row.key;
}

TEST_F(WriteProfileTest, ProfileNumberOutsideOneToThreeWritesNothing) {
    writeProfile(0);
    writeProfile(4);
    writeProfile(-1);
    EXPECT_TRUE(std::filesystem::is_empty(folder->data()));
}

}  // namespace
