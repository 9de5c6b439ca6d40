// The folder check, run as velquist-sim check on game folders: the shipped data folder
// is clean, and a copy with one fault of each kind gets each fault reported once, on its
// line, with exit status 1; the layout lines stand at the setting that moved the cluster
// off the screen, or at the image, with their pixels; --screen adds a player's screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "hud/texture_catalogue.h"
#include "render/png_file.h"
#include "support/planted_folders.h"
#include "support/planted_images.h"
#include "support/temp_files.h"
#include "support/tool_process.h"
#include "tools/image_ink.h"

namespace fs = std::filesystem;

namespace {

class GameCopy : public ::testing::Test {
  protected:
    void SetUp() override { fs::copy(VELQUIST_SKIN_FOLDER, data(), fs::copy_options::recursive); }
    fs::path data() const { return folder.path() / "Velquist"; }
    tool_process::Result check(std::vector<std::string> more = {}) const {
        std::vector<std::string> words = {"check", "--game", folder.path().string()};
        words.insert(words.end(), more.begin(), more.end());
        return tool_process::run(words);
    }
    // The one line of a run's findings that stands at a place and holds a text ("" when
    // there is not exactly one, which fails the test).
    std::string lineAt(const tool_process::Result& r, const std::string& place,
                       const std::string& text) const {
        std::vector<std::string> found;
        for (const std::string& line : tool_process::lines(r.out))
            if (where(line) == place && line.find(text) != std::string::npos) found.push_back(line);
        EXPECT_EQ(found.size(), 1u) << place << ": " << text << "\n" << r.out;
        return found.size() == 1 ? found[0] : "";
    }
    // A finding's "FILE:LINE" (or "FILE"), relative to the game folder.
    std::string where(const std::string& finding) const {
        const std::string prefix = folder.path().string() + "/";
        std::string rest = finding.rfind(prefix, 0) == 0 ? finding.substr(prefix.size()) : finding;
        return rest.substr(0, rest.find(": "));
    }

    temp_files::Folder folder;
};

using CheckCommandTest = GameCopy;

TEST_F(CheckCommandTest, ShippedDataFolderIsClean) {
    const tool_process::Result r = check();
    EXPECT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(r.out, "");
}

TEST_F(CheckCommandTest, EveryKindOfFaultIsReportedOnceOnItsLine) {
    planted_folders::everyKindOfFault(data());

    const tool_process::Result r = check();
    EXPECT_EQ(r.exitCode, 1) << r.errors;
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Velquist/settingsGeneral.ini:2", "menuKey=13 is outside 1..12; the default 10"},
        {"Velquist/settingsGeneral.ini:3", "refreshInterval=abc is not a number"},
        {"Velquist/settingsGeneral.ini:5", "ACTSETTING appears again (first on line 4)"},
        {"Velquist/settingsGeneral.ini:6", "unknown key volume in [GENERAL]"},
        {"Velquist/settingsGeneral.ini:7", "unknown section [SOUND]"},
        {"Velquist/settings2.ini:1", "before the first [section]"},
        {"Velquist/settings2.ini:3", "without \"=\" is ignored: hudSize 120"},
        {"Velquist/settings2.ini:4", "mainOffsetX=900.5 reads as 900"},
        {"Velquist/settings2.ini:5", "mainOffsetY has no value; the default 920"},
        {"Velquist/settingsExtended.ini:2", "led1R=256 is outside 0..255; the default 0"},
        {"Velquist/settingsExtended.ini:3", "picCarSlowMph: calibration speeds out of order"},
        {"Velquist/settingsExtended.ini:5", "picMaxKno: Deg0, Deg1 and Deg2 are all 247.5"},
        {"Velquist/settingsExtended.ini:6", "picLinSlowKmh: all three calibration speeds are 90"},
        {"Velquist/settingsExtended.ini:7", "[Constants] appears again (first on line 1)"},
        {"Velquist/settingsBrands.ini:4", "brand2 \"NoSuchLogo\": its logo Brands/NoSuchLogo.png"},
        {"Velquist/settingsBrands.ini:5", "unknown key brand100"},
        {"Velquist/settingsBrands.ini:8", "livery BUFFALO: brand \"Bravado\" is not in [BRAND]"},
        {"Velquist/settingsBrands.ini:9", "AVERYLONGLIVERYNAME is longer than 16 characters"},
        {"Velquist/settingsMaxRpm.ini:3", "max rpm ZENTORNO=9 is outside 10..150; the default 50"},
        {"Velquist/settingsMaxRpm.ini:4", "max rpm T20=151 is outside 10..150"},
        {"Velquist/settingsMaxRpm.ini:5", "adder appears again (first on line 2)"},
        {"Velquist/Rpm/Rpm5.png", "not a readable PNG image"},
        {"Velquist/Needles/NeedleBigB.png", "missing"},
        {"Velquist/settingsGenral.ini", "not a file the plug-in reads"},
    };
    const std::vector<std::string> found = tool_process::lines(r.out);
    ASSERT_EQ(found.size(), expected.size()) << r.out;
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(where(found[i]), expected[i].first) << found[i];
        EXPECT_NE(found[i].find(expected[i].second), std::string::npos) << found[i];
    }
}

TEST_F(CheckCommandTest, BrandsLeftUnsetNeedTheEmptyLogo) {
    planted_folders::brandsLeftUnset(data());
    const tool_process::Result r = check();
    EXPECT_EQ(r.exitCode, 1);
    ASSERT_EQ(tool_process::lines(r.out).size(), 1u) << r.out;
    EXPECT_EQ(where(r.out), "Velquist/Brands/Empty.png");
}

TEST_F(CheckCommandTest, UnicodeFileIsReadLikeAnyOther) {
    planted_folders::unicodeProfile(data());  // hudSize=300 on line 2
    const tool_process::Result r = check();
    EXPECT_EQ(r.exitCode, 1);
    ASSERT_EQ(tool_process::lines(r.out).size(), 1u) << r.out;
    EXPECT_EQ(where(r.out), "Velquist/settings3.ini:2");
}

TEST_F(CheckCommandTest, MissingFoldersAndBadWords) {
    planted_folders::noDataFolder(data());
    tool_process::Result r = check();
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("no data folder"), std::string::npos);

    r = tool_process::run({"check", "--game", (folder.path() / "nowhere").string()});
    EXPECT_EQ(r.exitCode, 2);
    r = tool_process::run({"check", "--frobnicate"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.errors.find("usage"), std::string::npos);
}

// A number written after a text in a line, or -1.
long long numberAfter(const std::string& line, const std::string& text) {
    const size_t at = line.find(text);
    return at == std::string::npos ? -1 : std::atoll(line.c_str() + at + text.size());
}

// Units (1/1024 of a full-size image's side, 0.2 x 0.81 of the screen width at HUD Size 90)
// to pixels at 1920 wide; the velocity gauge's centre has 514 units of room to its right
// and 250 below it at 16:9.
constexpr double unitAt1920 = 0.2 * 0.81 * 1920 / 1024;

// Whole pixels of an overhang worked out by hand from rounded rooms: either side of it
// when it lands near a whole pixel.
bool closeTo(long long measured, double byHand) {
    return measured == static_cast<long long>(std::ceil(byHand - 0.25)) ||
           measured == static_cast<long long>(std::ceil(byHand + 0.25));
}

TEST_F(CheckCommandTest, PlacementKeysThatMoveTheClusterOffAreReportedAtTheirLines) {
    // Cars only, the LEDs beside the gear; mainOffsetX=990 on line 9 (90 per mille of 1920
    // further right), ledsOffsetY=1000 on line 10 (the LEDs 2000 units below the velocity
    // gauge's centre), [PLACEMENT] on line 8.
    planted_folders::placementKeysMoveClusterOff(data());
    const tool_process::Result r = check();
    EXPECT_EQ(r.exitCode, 1) << r.errors;
    // Furthest to the right reaches the fuel gauge in the place above (381 units right of
    // the velocity gauge's centre), with its shade: 514 - 0.09 x 1920 px of room.
    const double shadeReach = planted_images::unitsRight(
        planted_images::inkBox(data() / "Shadow/ShadowAbove.png", sim::inkAlphaMin));
    const std::string right =
        lineAt(r, "Velquist/settings1.ini:9",
               "mainOffsetX=990 moves the cluster past the right edge at 16:9 (1920x1080):");
    const double shadeByHand = (381 + shadeReach - 514) * unitAt1920 + 0.09 * 1920;
    EXPECT_TRUE(closeTo(numberAfter(right, "the fuel gauge's shadow by "), shadeByHand))
        << right << "\nby hand " << shadeByHand;
    // LEDs 0.07 of a full-size image, lit or unlit, whichever reaches further down.
    double lowest = 0;
    for (const char* file : {"Rpm/LedOn.png", "Rpm/LedOff.png"})
        lowest = std::max(lowest, 0.07 * planted_images::unitsDown(planted_images::inkBox(
                                             data() / file, sim::inkAlphaMin)));
    const std::string below =
        lineAt(r, "Velquist/settings1.ini:10",
               "ledsOffsetY=1000 moves the cluster below the bottom edge at 16:9 (1920x1080):");
    const double ledsByHand = (2000 + lowest - 250) * unitAt1920;
    EXPECT_TRUE(closeTo(numberAfter(below, "the rpm LEDs by "), ledsByHand))
        << below << "\nby hand " << ledsByHand;
    // At the section's header: the nearest Main Offset X that brings the cluster back.
    const std::string fixed = lineAt(r, "Velquist/settings1.ini:8",
                                     "at 16:9 (1920x1080) the whole cluster is on screen with");
    const long long x = numberAfter(fixed, "mainOffsetX=");
    EXPECT_GT(x, 0);
    EXPECT_LT(x, 990);
}

TEST_F(CheckCommandTest, OverlappingGaugesAreReportedAtTheImageBesideTheVelocityGauge) {
    // Every image blank but a velocity face with ink 300 units right and 400 up of its
    // centre, and the fuel scale's lower-left quarter, which reaches over it from the fuel
    // gauge at (+381, -496).
    planted_folders::gaugesOverlap(data());
    const tool_process::Result r = check();
    EXPECT_EQ(r.exitCode, 1) << r.errors;
    const std::vector<std::string> all = tool_process::lines(r.out);
    ASSERT_EQ(all.size(), 1u) << r.out;
    EXPECT_EQ(where(all[0]), "Velquist/Fuel/ExtFuelCokeScale.png");
    EXPECT_NE(all[0].find("the fuel gauge overlaps the velocity gauge by "), std::string::npos);
    EXPECT_NE(
        all[0].find("the fuel gauge's scale meets the velocity dial (Velocity/LinKmhFast.png"),
        std::string::npos)
        << all[0];
    const double w = 300 * unitAt1920, h = 400 * unitAt1920;
    const long long pixels = numberAfter(all[0], "velocity gauge by ");
    EXPECT_GE(pixels, static_cast<long long>((w - 1) * (h - 1))) << all[0];
    EXPECT_LE(pixels, static_cast<long long>((w + 1) * (h + 1))) << all[0];
}

TEST_F(CheckCommandTest, PlayersScreenIsCheckedAndWideScreensAreANote) {
    planted_folders::clusterMovedRight(data());  // mainOffsetX=990 on line 2
    tool_process::Result r = check({"--screen", "1680x1050"});
    EXPECT_EQ(r.exitCode, 1);
    lineAt(r, "Velquist/settings1.ini:2", "past the right edge at 1680x1050:");
    // 32:9 is not what the default placement is made for: a note, unless it is named.
    EXPECT_EQ(r.out.find("32:9"), std::string::npos);
    EXPECT_NE(r.errors.find("note: at 32:9 (3840x1080)"), std::string::npos) << r.errors;
    EXPECT_NE(r.errors.find("a 32:9 player sets mainOffset"), std::string::npos) << r.errors;
    r = check({"--screen", "3840x1080"});
    EXPECT_NE(r.out.find("at 32:9 (3840x1080)"), std::string::npos) << r.out;
    EXPECT_EQ(r.errors.find("note:"), std::string::npos) << r.errors;

    for (const char* bad : {"100x100", "1920by1080", "1920x", "8000x1080"}) {
        r = check({"--screen", bad});
        EXPECT_EQ(r.exitCode, 2) << bad;
        EXPECT_NE(r.errors.find("--screen takes WxH"), std::string::npos) << r.errors;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(check({"--screen"}).exitCode, 2);
}

// Images larger than the simulator decodes, one of them 1.6 GB once decoded: each is named
// at once and left out.
TEST_F(CheckCommandTest, ImageTooLargeToMeasureIsNamedAndLeftOut) {
    planted_folders::imagesTooLarge(data());
    const int side = sim::imageSideMax + 1;
    const tool_process::Result r =
        tool_process::run({"check", "--game", folder.path().string()}, {}, 60);
    EXPECT_EQ(r.exitCode, 1);  // -1 when it was stopped after 60 s
    lineAt(r, "Velquist/Damage.png", std::to_string(side) + " x 2 px is larger than");
    lineAt(r, "Velquist/Shadow/ShadowMain.png", "20000 x 20000 px is larger than");
}

// FIFOs in place of a settings file and an image, and a settings file that leads to an
// endless device: each is reported at once instead of being waited for or read without end.
TEST_F(CheckCommandTest, FifosAndEndlessFilesAreReportedWithoutWaiting) {
    planted_folders::fifosAndEndlessFile(data());
    const tool_process::Result r =
        tool_process::run({"check", "--game", folder.path().string()}, {}, 60);
    ASSERT_EQ(r.exitCode, 1) << r.errors;  // -1 when it was stopped after 60 s
    std::vector<std::string> found;
    for (const std::string& line : tool_process::lines(r.out))
        found.push_back(where(line));
    EXPECT_EQ(found, (std::vector<std::string>{"Velquist/settings1.ini", "Velquist/settings2.ini",
                                               "Velquist/Needles/NeedleBigA.png"}))
        << r.out;
    EXPECT_NE(r.out.find("settings1.ini: cannot be read"), std::string::npos) << r.out;
}

// Loops of symbolic links in place of settings files and an image: the plug-in cannot read
// them (a settings file's keys take their defaults), and each is reported.
TEST_F(CheckCommandTest, LoopsOfSymbolicLinksAreReportedAsUnreadable) {
    planted_folders::loopsOfLinks(data());
    const tool_process::Result r = check();
    ASSERT_EQ(r.exitCode, 1) << r.errors;
    std::vector<std::string> found;
    for (const std::string& line : tool_process::lines(r.out))
        found.push_back(where(line));
    EXPECT_EQ(found,
              (std::vector<std::string>{"Velquist/settings3.ini", "Velquist/settingsExtended.ini",
                                        "Velquist/Needles/NeedleSmallA.png"}))
        << r.out;
    lineAt(r, "Velquist/settings3.ini", "cannot be read: the plug-in uses the defaults");
    lineAt(r, "Velquist/settingsExtended.ini", "cannot be read");
    lineAt(r, "Velquist/Needles/NeedleSmallA.png", "not a readable PNG image");
}

}  // namespace
