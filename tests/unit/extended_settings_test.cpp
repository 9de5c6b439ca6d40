// The extended constants: LED colours and velocity dial calibration from
// settingsExtended.ini, and the needle's calibration table built from them.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <optional>
#include <string>

#include "settings/extended_settings.h"
#include "support/game_folder.h"
#include "support/plugin_test.h"
#include "support/test_host.h"

using namespace velquist;
namespace cat = velquist::catalogue;

namespace {

using Extended = testing_host::FolderTest;

using ExtendedSettingsTest = Extended;
using DialCalibrationTableTest = Extended;

void expectCalibration(const DialCalibration& c, int deg0, int deg1, int deg2, int vel0, int vel1,
                       int vel2) {
    EXPECT_FLOAT_EQ(c.deg0, deg0 / 3600.0f);
    EXPECT_FLOAT_EQ(c.deg1, deg1 / 3600.0f);
    EXPECT_FLOAT_EQ(c.deg2, deg2 / 3600.0f);
    EXPECT_FLOAT_EQ(c.vel0, static_cast<float>(vel0));
    EXPECT_FLOAT_EQ(c.vel1, static_cast<float>(vel1));
    EXPECT_FLOAT_EQ(c.vel2, static_cast<float>(vel2));
}

bool isZero(const DialCalibration& c) {
    return c.deg0 == 0 && c.deg1 == 0 && c.deg2 == 0 && c.vel0 == 0 && c.vel1 == 0 && c.vel2 == 0;
}

TEST_F(ExtendedSettingsTest, EverythingIsZeroBeforeTheFirstRead) {
    for (const auto& led : extended.ledColour)
        for (float v : led)
            EXPECT_EQ(v, 0.0f);
    EXPECT_TRUE(isZero(extended.picMaxMph));
    EXPECT_TRUE(isZero(extended.dialCalibration[kindCar][unitMph][0]));
}

TEST_F(ExtendedSettingsTest, NoFileGivesGreenYellowRedInThreesAndTheDefaultCalibration) {
    readExtendedSettings();
    const float expected[3][3] = {{0, 1, 0}, {1, 1, 0}, {1, 0, 0}};
    for (int led = 0; led < ledCount; ++led)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(extended.ledColour[led][c], expected[led / 3][c]);
    expectCalibration(extended.picMaxMph, 2475, 3375, 4500, 0, 100, 350);
    expectCalibration(extended.picMaxKmh, 2475, 3375, 4500, 0, 160, 560);
    expectCalibration(extended.picMaxKno, 2475, 3375, 4500, 0, 80, 330);
    expectCalibration(extended.picCarFastMph, 2475, 3375, 4500, 20, 80, 280);
    expectCalibration(extended.picCarFastKmh, 2475, 3375, 4500, 20, 100, 400);
    expectCalibration(extended.picCarSlowMph, 2475, 3825, 4500, 0, 90, 180);
    expectCalibration(extended.picCarSlowKmh, 2475, 3825, 4500, 0, 120, 300);
    expectCalibration(extended.picLinFastMph, 2475, 4500, 4500, 0, 120, 120);
    expectCalibration(extended.picLinFastKmh, 2475, 4500, 4500, 0, 180, 180);
    expectCalibration(extended.picLinFastKno, 2475, 4500, 4500, 0, 100, 100);
    expectCalibration(extended.picLinSlowMph, 2475, 4500, 4500, 0, 60, 60);
    expectCalibration(extended.picLinSlowKmh, 2475, 4500, 4500, 0, 90, 90);
    expectCalibration(extended.picLinSlowKno, 2475, 4500, 4500, 0, 60, 60);
    // Every needle rests at 247.5 degrees and ends at 450 degrees.
    for (int face = 0; face < cat::velocityFaceCount; ++face) {
        EXPECT_FLOAT_EQ(extended.record(face).deg0, 0.6875f);
        EXPECT_FLOAT_EQ(extended.record(face).deg2, 1.25f);
    }
}

TEST_F(ExtendedSettingsTest, ShippedFileHoldsEveryKeyAtItsDefault) {
    std::ifstream in(std::string(VELQUIST_DATA_FOLDER) + "/settingsExtended.ini", std::ios::binary);
    ASSERT_TRUE(in) << "data/Velquist/settingsExtended.ini";
    std::map<std::string, std::string> values;
    for (std::string line; std::getline(in, line);) {
        // Shipped, like every INI file of the package, with CR LF line ends.
        ASSERT_TRUE(!line.empty() && line.back() == '\r') << line;
        line.pop_back();
        const size_t eq = line.find('=');
        if (line.empty() || line[0] == ';' || eq == std::string::npos) continue;
        EXPECT_TRUE(values.emplace(line.substr(0, eq), line.substr(eq + 1)).second) << line;
    }
    std::map<std::string, std::string> expected;
    const char* channels[3] = {"R", "G", "B"};
    for (int led = 0; led < ledCount; ++led)
        for (int c = 0; c < 3; ++c)
            expected["led" + std::to_string(led + 1) + channels[c]] =
                std::to_string(ledColourDefaults[led][c]);
    for (const CalibrationKeys& k : calibrationDefaults) {
        const std::string g = k.group;
        expected[g + "Deg0"] = std::to_string(k.deg0);
        expected[g + "Deg1"] = std::to_string(k.deg1);
        expected[g + "Deg2"] = std::to_string(k.deg2);
        expected[g + "Vel0"] = std::to_string(k.vel0);
        expected[g + "Vel1"] = std::to_string(k.vel1);
        expected[g + "Vel2"] = std::to_string(k.vel2);
    }
    EXPECT_EQ(expected.size(), 105u);
    EXPECT_EQ(values, expected);
}

TEST_F(ExtendedSettingsTest, ValuesAreScaledAndEachKeyFallsBackAlone) {
    folder->write("settingsExtended.ini",
                  "[CONSTANTS]\r\nled1R=51 ; a comment\r\nled1G=300\r\nled1B=-1\r\nled9B=255\r\n"
                  "led5G=0\r\n");
    readExtendedSettings();
    EXPECT_FLOAT_EQ(extended.ledColour[0][0], 0.2f);
    EXPECT_FLOAT_EQ(extended.ledColour[0][1], 1.0f);  // 300 is out of range: the default
    EXPECT_FLOAT_EQ(extended.ledColour[0][2], 0.0f);  // -1 too
    EXPECT_FLOAT_EQ(extended.ledColour[8][2], 1.0f);
    EXPECT_FLOAT_EQ(extended.ledColour[4][1], 0.0f);
    EXPECT_FLOAT_EQ(extended.ledColour[4][0], 1.0f);
}

TEST_F(ExtendedSettingsTest, AngleKeysReachTwoTurnsEitherWayAndNoFurther) {
    folder->write("settingsExtended.ini",
                  "[CONSTANTS]\npicMaxMphDeg0=7200\npicMaxMphDeg1=-7200\npicMaxMphDeg2=7201\n"
                  "picMaxKmhDeg0=-7201\npicMaxMphVel1=10000\npicMaxMphVel2=10001\n"
                  "picMaxMphVel0=-1\n");
    readExtendedSettings();
    EXPECT_FLOAT_EQ(extended.picMaxMph.deg0, 2.0f);
    EXPECT_FLOAT_EQ(extended.picMaxMph.deg1, -2.0f);
    EXPECT_FLOAT_EQ(extended.picMaxMph.deg2, 1.25f);    // 7201: the default 4500
    EXPECT_FLOAT_EQ(extended.picMaxKmh.deg0, 0.6875f);  // -7201: the default 2475
    EXPECT_FLOAT_EQ(extended.picMaxMph.vel1, 10000.0f);
    EXPECT_FLOAT_EQ(extended.picMaxMph.vel2, 350.0f);
    EXPECT_FLOAT_EQ(extended.picMaxMph.vel0, 0.0f);
}

TEST_F(ExtendedSettingsTest, KeysOfOneGroupDoNotReachAnother) {
    folder->write("settingsExtended.ini",
                  "[CONSTANTS]\npicLinFastKnoVel1=140\npicLinFastKnoVel2=150\n"
                  "[OTHER]\npicLinSlowKnoVel1=99\n");
    readExtendedSettings();
    EXPECT_FLOAT_EQ(extended.picLinFastKno.vel1, 140.0f);
    EXPECT_FLOAT_EQ(extended.picLinFastKno.vel2, 150.0f);
    EXPECT_FLOAT_EQ(extended.picLinFastMph.vel1, 120.0f);
    EXPECT_FLOAT_EQ(extended.picLinSlowKno.vel1, 60.0f);  // another section is not read
}

TEST_F(DialCalibrationTableTest, EntriesCopyTheRecordOfTheFaceShownThere) {
    readExtendedSettings();
    const auto& t = extended.dialCalibration;
    auto same = [](const DialCalibration& a, const DialCalibration& b) {
        return a.deg0 == b.deg0 && a.deg1 == b.deg1 && a.deg2 == b.deg2 && a.vel0 == b.vel0 &&
               a.vel1 == b.vel1 && a.vel2 == b.vel2;
    };
    EXPECT_TRUE(same(t[kindBicycle][unitKmh][0], extended.picLinSlowKmh));
    EXPECT_TRUE(same(t[kindBoat][unitKnots][0], extended.picLinSlowKno));
    EXPECT_TRUE(same(t[kindBoat][unitKnots][1], extended.picLinFastKno));
    EXPECT_TRUE(same(t[kindCar][unitMph][0], extended.picLinFastMph));
    EXPECT_TRUE(same(t[kindCar][unitMph][1], extended.picCarSlowMph));
    EXPECT_TRUE(same(t[kindCar][unitKmh][2], extended.picCarFastKmh));
    EXPECT_TRUE(same(t[kindPlane][unitKnots][0], extended.picMaxKno));
    EXPECT_TRUE(same(t[kindTrain][unitKmh][1], extended.picCarSlowKmh));
    // Unreachable entries stay zero: knots on cars and trains, unused variants, m/s.
    EXPECT_TRUE(isZero(t[kindCar][unitKnots][0]));
    EXPECT_TRUE(isZero(t[kindTrain][unitKnots][1]));
    EXPECT_TRUE(isZero(t[kindBicycle][unitKnots][0]));
    EXPECT_TRUE(isZero(t[kindBicycle][unitMph][1]));
    EXPECT_TRUE(isZero(t[kindPlane][unitMph][1]));
    EXPECT_TRUE(isZero(t[kindTrain][unitMph][2]));
    for (int kind = 0; kind < vehicleKindCount; ++kind)
        for (int v = 0; v < cat::dialVariantCount; ++v)
            EXPECT_TRUE(isZero(t[kind][unitMps][v]));
    int filled = 0;
    for (const auto& kind : t)
        for (const auto& unit : kind)
            for (const DialCalibration& c : unit)
                filled += isZero(c) ? 0 : 1;
    EXPECT_EQ(filled, 2 + 6 + 6 + 3 + 4);
}

TEST_F(DialCalibrationTableTest, ACarSlowMphKeyChangesTheCarAndTheTrainInMph) {
    folder->write("settingsExtended.ini", "[CONSTANTS]\npicCarSlowMphVel1=100\n");
    readExtendedSettings();
    EXPECT_FLOAT_EQ(extended.dialCalibration[kindCar][unitMph][1].vel1, 100.0f);
    EXPECT_FLOAT_EQ(extended.dialCalibration[kindTrain][unitMph][1].vel1, 100.0f);
    EXPECT_FLOAT_EQ(extended.dialCalibration[kindCar][unitKmh][1].vel1, 120.0f);
}

TEST_F(DialCalibrationTableTest, BuildingOnlyCopiesTheRecords) {
    extended.picLinSlowMph = {3.0f, 1.0f, 2.0f, 50.0f, 10.0f, 10.0f};  // unsorted, unchecked
    buildDialCalibration();
    const DialCalibration& c = extended.dialCalibration[kindBicycle][unitMph][0];
    EXPECT_EQ(c.deg0, 3.0f);
    EXPECT_EQ(c.deg1, 1.0f);
    EXPECT_EQ(c.vel0, 50.0f);
    EXPECT_EQ(c.vel1, 10.0f);
    // A reload replaces the whole table, so a record changed since shows at once.
    extended.picLinSlowMph.deg0 = 0.5f;
    buildDialCalibration();
    EXPECT_EQ(extended.dialCalibration[kindBoat][unitMph][0].deg0, 0.5f);
}

}  // namespace
