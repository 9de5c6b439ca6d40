// The general settings file: reading with defaults and ranges, writing with comments,
// start-up, and what the settings do to the main loop.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/hud_script.h"
#include "core/key_state.h"
#include "core/library_entry.h"
#include "core/schedule.h"
#include "core/virtual_keys.h"
#include "host/portable/file_system.h"
#include "host/portable/portable_platform.h"
#include "settings/general_settings.h"
#include "support/temp_files.h"
#include "support/test_host.h"

using namespace velquist;
namespace portable = velquist::platform::portable;
using temp_files::readFile;
using temp_files::writeFile;
using testing_host::host;

namespace {

class GeneralFile : public ::testing::Test {
  protected:
    void SetUp() override {
        testing_host::reset();
        portable::config.moduleFile = (folder.path() / "Velquist.asi").string();
        std::filesystem::create_directory(folder.path() / "Velquist");
        file = folder.path() / "Velquist" / "settingsGeneral.ini";
    }
    void TearDown() override { portable::fileSystem = portable::systemFileSystem; }

    void store(const std::string& lines) { writeFile(file, "[GENERAL]\r\n" + lines); }

    temp_files::Folder folder;
    std::filesystem::path file;
};

using ReadGeneralSettingsTest = GeneralFile;
using WriteGeneralSettingsTest = GeneralFile;
using GeneralStartUpTest = GeneralFile;

TEST_F(ReadGeneralSettingsTest, NoFileGivesTheDefaults) {
    general = {3, 40, 2};
    readGeneralSettings();
    EXPECT_EQ(general.menuKey, 10);
    EXPECT_EQ(general.refreshInterval, 12);
    EXPECT_EQ(general.actSetting, 1);
    EXPECT_FALSE(std::filesystem::exists(file));  // reading never creates the file
}

TEST_F(ReadGeneralSettingsTest, EdgesOfTheRangesAreAccepted) {
    store("menuKey=12\r\nrefreshInterval=5\r\nactSetting=3\r\n");
    readGeneralSettings();
    EXPECT_EQ(general.menuKey, 12);
    EXPECT_EQ(general.refreshInterval, 5);
    EXPECT_EQ(general.actSetting, 3);
    store("menuKey=1\r\nrefreshInterval=50\r\n");
    readGeneralSettings();
    EXPECT_EQ(general.menuKey, 1);
    EXPECT_EQ(general.refreshInterval, 50);
}

TEST_F(ReadGeneralSettingsTest, EachValueOutOfRangeFallsBackAlone) {
    struct Case {
        const char* lines;
        GeneralSettings expected;
    };
    const Case cases[] = {
        {"menuKey=0\r\nrefreshInterval=50\r\nactSetting=3\r\n", {10, 50, 3}},
        {"menuKey=13\r\nrefreshInterval=50\r\nactSetting=3\r\n", {10, 50, 3}},
        {"menuKey=8\r\nrefreshInterval=4\r\nactSetting=3\r\n", {8, 12, 3}},
        {"menuKey=8\r\nrefreshInterval=51\r\nactSetting=3\r\n", {8, 12, 3}},
        {"menuKey=8\r\nrefreshInterval=50\r\nactSetting=4\r\n", {8, 50, 1}},
        {"menuKey=8\r\nactSetting=0\r\n", {8, 12, 1}},
    };
    for (const Case& c : cases) {
        store(c.lines);
        readGeneralSettings();
        EXPECT_EQ(general.menuKey, c.expected.menuKey) << c.lines;
        EXPECT_EQ(general.refreshInterval, c.expected.refreshInterval) << c.lines;
        EXPECT_EQ(general.actSetting, c.expected.actSetting) << c.lines;
    }
}

TEST_F(ReadGeneralSettingsTest, ValuesFollowedByTheirCommentsReadAsTheNumbers) {
    general = {8, 50, 3};
    writeGeneralSettings();
    general = {};
    readGeneralSettings();
    EXPECT_EQ(general.menuKey, 8);
    EXPECT_EQ(general.refreshInterval, 50);
    EXPECT_EQ(general.actSetting, 3);
}

TEST_F(WriteGeneralSettingsTest, NewFileHoldsTheThreeKeysWithTheirComments) {
    writeGeneralSettings();
    EXPECT_EQ(readFile(file),
              "[GENERAL]\r\n"
              "menuKey=10;\t\tF1-F12 Key to open the mod menu.\t\t (10) < 1-12>\r\n"
              "refreshInterval=12;\tRefresh interval in ms, affects fps\t\t (12) < 5-50>\r\n"
              "actSetting=1;\t\tWhich settingsX.ini is active\t\t\t ( 1) < 1- 3>\r\n");
}

TEST_F(WriteGeneralSettingsTest, LinesAddedByHandSurvive) {
    writeFile(file, "; mine\r\n[GENERAL]\r\nactSetting=2\r\nextra=1\r\n[MORE]\r\ny=2\r\n");
    general = {11, 20, 3};
    writeGeneralSettings();
    EXPECT_EQ(readFile(file),
              "; mine\r\n[GENERAL]\r\n"
              "actSetting=3;\t\tWhich settingsX.ini is active\t\t\t ( 1) < 1- 3>\r\n"
              "extra=1\r\n"
              "menuKey=11;\t\tF1-F12 Key to open the mod menu.\t\t (10) < 1-12>\r\n"
              "refreshInterval=20;\tRefresh interval in ms, affects fps\t\t (12) < 5-50>\r\n"
              "[MORE]\r\ny=2\r\n");
}

TEST_F(WriteGeneralSettingsTest, MissingDataFolderStaysMissing) {
    std::filesystem::remove_all(folder.path() / "Velquist");
    writeGeneralSettings();
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Velquist"));
}

TEST_F(WriteGeneralSettingsTest, FullDiskLeavesThePreviousFileByteForByte) {
    const std::string before = "[GENERAL]\nmenuKey=8\n\n; mine\n";
    writeFile(file, before);
    // Every new file gets half its bytes, then the disk is full.
    portable::fileSystem.create = [](const std::string& p, const std::string& bytes) {
        portable::systemFileSystem.create(p, bytes.substr(0, bytes.size() / 2));
        return portable::FileCreate::failed;
    };
    general = {3, 40, 2};
    writeGeneralSettings();
    EXPECT_EQ(readFile(file), before);
    EXPECT_EQ(temp_files::entryCount(file.parent_path()), 1);  // no partial file left
}

TEST_F(WriteGeneralSettingsTest, UnwritableFolderLeavesThePreviousFileByteForByte) {
    const std::string before = "[GENERAL]\nmenuKey=8\n";
    writeFile(file, before);
    // Nothing can be created in the folder (tests may run as root, so this is simulated).
    portable::fileSystem.create = [](const std::string&, const std::string&) {
        errno = EACCES;
        return portable::FileCreate::failed;
    };
    general = {3, 40, 2};
    writeGeneralSettings();
    EXPECT_EQ(readFile(file), before);
}

TEST_F(GeneralStartUpTest, SettingsSteerTheMainLoop) {
    store("menuKey=8\r\nrefreshInterval=50\r\nactSetting=3\r\n");
    startUp();
    EXPECT_EQ(schedule.loadedProfile, 3);

    // F8 opens the menu. Still held at the menu's first poll, 150 ms later
    // (10 frames), it counts as back and closes the menu; 200 ms (13 frames) pass before
    // the key is tested again, then the pass's own frame.
    const uint32_t f8 = vk::functionKey(8), f10 = vk::functionKey(10);
    onKeyboardEvent(f10, 1, 0, 0, 0, 0, 0);  // the default key does nothing now
    mainLoopPass();
    EXPECT_EQ(host.frames, 1);
    onKeyboardEvent(f10, 1, 0, 0, 0, 1, 1);
    onKeyboardEvent(f8, 1, 0, 0, 0, 0, 0);
    mainLoopPass();
    EXPECT_EQ(host.frames, 1 + 10 + 13 + 1);
    onKeyboardEvent(f8, 1, 0, 0, 0, 1, 1);

    // Refreshes come at least 50 ms apart: with 16 ms frames, every fourth frame.
    const uint32_t before = schedule.refreshCount;
    for (int i = 0; i < 40; ++i) {
        const uint32_t count = schedule.refreshCount;
        mainLoopPass();
        if (schedule.refreshCount != count) {
            EXPECT_GE(schedule.refreshElapsed, 50);
        }
    }
    EXPECT_EQ(schedule.refreshCount - before, 10u);
}

TEST_F(GeneralStartUpTest, WithoutAFileTheDefaultsApply) {
    startUp();
    EXPECT_EQ(general.menuKey, 10);
    EXPECT_EQ(general.refreshInterval, 12);
    EXPECT_EQ(schedule.loadedProfile, 1);
}

}  // namespace
