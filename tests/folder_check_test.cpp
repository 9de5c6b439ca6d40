// The folder check, run as velquist-sim check on game folders: the shipped data folder
// is clean, and a copy with one fault of each kind gets each fault reported once, on its
// line, with exit status 1.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_files.h"
#include "support/tool_process.h"

namespace fs = std::filesystem;

namespace {

class GameCopy : public ::testing::Test {
  protected:
    void SetUp() override { fs::copy(VELQUIST_SKIN_FOLDER, data(), fs::copy_options::recursive); }
    fs::path data() const { return folder.path() / "Velquist"; }
    void write(const std::string& name, const std::string& text) const {
        temp_files::writeFile(data() / name, text);
    }
    tool_process::Result check() const {
        return tool_process::run({"check", "--game", folder.path().string()});
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
    write("settingsGeneral.ini",
          "[GENERAL]\n"
          "menuKey=13\n"           // 2: out of range
          "refreshInterval=abc\n"  // 3: not a number
          "actSetting=2\n"
          "ACTSETTING=3\n"  // 5: written twice (names compare without case)
          "volume=3\n"      // 6: unknown key
          "[SOUND]\n"       // 7: unknown section
          "level=2\n");
    write("settings2.ini",
          "hudSize=100\n"  // 1: before any section
          "[PLACEMENT]\r\n"
          "hudSize 120\r\n"      // 3: no "="
          "mainOffsetX=1.5\r\n"  // 4: a fraction
          "mainOffsetY=\r\n"     // 5: no value
          "; a comment\r\n"
          "\r\n"
          "ledsOffsetX=-1000 ; the far left\r\n");
    write("settingsExtended.ini",
          "[CONSTANTS]\n"
          "led1R=256\n"              // 2: out of range
          "picCarSlowMphVel1=200\n"  // 3: beyond Vel2 (180)
          "picMaxKnoDeg1=2475\n"
          "picMaxKnoDeg2=2475\n"    // 5: all three angles alike
          "picLinSlowKmhVel0=90\n"  // 6: all three speeds alike
          "[Constants]\n"           // 7: the section again
          "led2R=0\n");
    write("settingsBrands.ini",
          "[BRAND]\n"
          "brand0=Generic\n"
          "brand1=Albany\n"
          "brand2=NoSuchLogo\n"  // 4: no logo image
          "brand100=Extra\n"     // 5: never read
          "[LIVERY]\n"
          "ADDER=Albany\n"
          "BUFFALO=Bravado\n"               // 8: brand not in the list
          "AVERYLONGLIVERYNAME=Albany\n");  // 9: longer than any livery
    write("settingsMaxRpm.ini",
          "[MAXRPM]\n"
          "ADDER=70\n"
          "ZENTORNO=9\n"  // 3: outside 10..150
          "T20=151\n"     // 4: outside 10..150
          "adder=80\n");  // 5: written twice
    fs::remove(data() / "Needles" / "NeedleBigB.png");
    write("Rpm/Rpm5.png", "not a picture");
    write("settingsGenral.ini", "[GENERAL]\n");

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
        {"Velquist/settings2.ini:4", "mainOffsetX=1.5 reads as 1"},
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
    write("settingsBrands.ini", "[BRAND]\nbrand0=Generic\n");
    fs::remove(data() / "Brands" / "Empty.png");
    const tool_process::Result r = check();
    EXPECT_EQ(r.exitCode, 1);
    ASSERT_EQ(tool_process::lines(r.out).size(), 1u) << r.out;
    EXPECT_EQ(where(r.out), "Velquist/Brands/Empty.png");
}

TEST_F(CheckCommandTest, UnicodeFileIsReadLikeAnyOther) {
    // UTF-16 with its byte-order mark: the INI layer reads it, so the check does too.
    const std::u16string text = u"\uFEFF[PLACEMENT]\r\nhudSize=300\r\n";
    write("settings3.ini",
          std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t)));
    const tool_process::Result r = check();
    EXPECT_EQ(r.exitCode, 1);
    ASSERT_EQ(tool_process::lines(r.out).size(), 1u) << r.out;
    EXPECT_EQ(where(r.out), "Velquist/settings3.ini:2");
}

TEST_F(CheckCommandTest, MissingFoldersAndBadWords) {
    fs::remove_all(data());
    tool_process::Result r = check();
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("no data folder"), std::string::npos);

    r = tool_process::run({"check", "--game", (folder.path() / "nowhere").string()});
    EXPECT_EQ(r.exitCode, 2);
    r = tool_process::run({"check", "--frobnicate"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.errors.find("usage"), std::string::npos);
}

// FIFOs in place of a settings file and an image, and a settings file that leads to an
// endless device: each is reported at once instead of being waited for or read without end.
TEST_F(CheckCommandTest, FifosAndEndlessFilesAreReportedWithoutWaiting) {
    ASSERT_EQ(::mkfifo((data() / "settings1.ini").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", data() / "settings2.ini");
    fs::remove(data() / "Needles" / "NeedleBigA.png");
    ASSERT_EQ(::mkfifo((data() / "Needles" / "NeedleBigA.png").c_str(), 0644), 0);
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

}  // namespace
