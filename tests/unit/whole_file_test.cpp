// Settings files read and saved as a whole: a file that exists but could not be read is
// never overwritten with values that were not read from it, and a save lands whole or
// leaves the previous file byte for byte. Faults come from the portable file-system calls.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "host/portable/file_system.h"
#include "hud/display_settings.h"
#include "settings/general_settings.h"
#include "settings/profile_settings.h"
#include "settings/unread_files.h"
#include "settings/whole_file.h"
#include "support/game_folder.h"
#include "support/plugin_test.h"
#include "support/test_host.h"

using namespace velquist;
namespace fs = std::filesystem;
namespace portable = velquist::platform::portable;

namespace {

// The player's profile: five values set by hand, the rest left out.
const std::string handSet =
    "[OPTICS]\r\nneedleRed=10\r\nneedleGreen=100\r\nneedleBlue=200\r\n"
    "[PLACEMENT]\r\nhudSize=150\r\nmainOffsetX=500\r\n";

// Counters of the injected faults (the file-system calls are plain functions).
int callsLeft = 0;

// From the moment callsLeft reaches 0, every read and probe finds the file unreadable, as
// when another program opens it without sharing or the process runs out of descriptors.
portable::FileRead readFailingLater(const std::string& path, std::string& bytes) {
    if (callsLeft > 0 && --callsLeft >= 0) return portable::systemFileSystem.read(path, bytes);
    bytes.clear();
    return portable::FileRead::unreadable;
}
platform::FileProbe probeFailingLater(const std::string& path) {
    if (callsLeft > 0 && --callsLeft >= 0) return portable::systemFileSystem.probe(path);
    return platform::FileProbe::unreadable;
}

// The disk fills up at the callsLeft-th new file: it takes part of the bytes and fails.
portable::FileCreate createFailingLater(const std::string& path, const std::string& bytes) {
    if (--callsLeft > 0) return portable::systemFileSystem.create(path, bytes);
    portable::systemFileSystem.create(path, bytes.substr(0, bytes.size() / 3));
    return portable::FileCreate::failed;
}

// Like a file rewritten in place on a full disk: from the callsLeft-th new file on, only
// the first 200 bytes land, and the write still reports success.
portable::FileCreate createCutLater(const std::string& path, const std::string& bytes) {
    if (--callsLeft > 0) return portable::systemFileSystem.create(path, bytes);
    return portable::systemFileSystem.create(path, bytes.substr(0, 200));
}

class WholeFile : public testing_host::FolderTest {
  protected:
    void TearDown() override { portable::fileSystem = portable::systemFileSystem; }

    void failReadsAfter(int calls) {
        callsLeft = calls;
        portable::fileSystem.read = readFailingLater;
        portable::fileSystem.probe = probeFailingLater;
    }
    void readProfileNumber(int32_t n) {
        general.actSetting = n;
        readProfile();
    }
    int entries() const {
        return static_cast<int>(std::distance(fs::directory_iterator(folder->data()), {}));
    }
};

using UnreadFileTest = WholeFile;
using WholeSaveTest = WholeFile;

TEST_F(UnreadFileTest, ProfileThatCouldNotBeReadIsNotSavedUntilAReadSucceeds) {
    folder->write("settings1.ini", handSet);
    failReadsAfter(0);
    readProfileNumber(1);
    EXPECT_EQ(profile.needleGreen, 25);  // the default stands in for the unread value
    EXPECT_EQ(unread.profile, 1);
    profile.needleRed = 7;  // the player changes one value in the menu
    EXPECT_EQ(writeProfile(1), SaveResult::notRead);
    portable::fileSystem = portable::systemFileSystem;
    EXPECT_EQ(writeProfile(1), SaveResult::notRead);  // not before a read succeeded
    EXPECT_EQ(folder->read("settings1.ini"), handSet);

    // Another profile was read: saving it is not held back.
    EXPECT_EQ(writeProfile(2), SaveResult::saved);

    EXPECT_TRUE(rereadProfile());
    EXPECT_EQ(unread.profile, 0);
    EXPECT_EQ(profile.needleGreen, 100);
    EXPECT_EQ(profile.needleRed, 10);  // the file's value: what the menu shows from now on
    EXPECT_FLOAT_EQ(display.settingsNeedleColour[1], 100.0f / 255.0f);  // derived again
    EXPECT_EQ(writeProfile(1), SaveResult::saved);
    const std::string saved = folder->read("settings1.ini");
    for (const char* kept : {"needleRed=10;", "needleGreen=100;", "needleBlue=200;", "hudSize=150;",
                             "mainOffsetX=500;"})
        EXPECT_NE(saved.find(kept), std::string::npos) << kept << " in\n" << saved;
}

// Opens that start failing part-way through the 39 reads are caught by the probes between
// them, wherever they start.
TEST_F(UnreadFileTest, OpensThatFailPartWayThroughTheReadsAreNoticed) {
    folder->write("settings1.ini", handSet);
    for (int calls : {1, 2, 17, 40, 78}) {
        failReadsAfter(calls);
        readProfileNumber(1);
        EXPECT_EQ(unread.profile, 1) << "failing after " << calls << " calls";
        EXPECT_EQ(writeProfile(1), SaveResult::notRead);
    }
    portable::fileSystem = portable::systemFileSystem;
    readProfileNumber(1);
    EXPECT_EQ(unread.profile, 0);
    EXPECT_EQ(folder->read("settings1.ini"), handSet);
}

TEST_F(UnreadFileTest, AFailedReadAgainKeepsTheValuesInMemory) {
    folder->write("settings1.ini", handSet);
    failReadsAfter(0);
    readProfileNumber(1);
    profile.hudSize = 120;
    EXPECT_FALSE(rereadProfile());
    EXPECT_EQ(profile.hudSize, 120);
    EXPECT_EQ(unread.profile, 1);
}

TEST_F(UnreadFileTest, GeneralFileThatCouldNotBeReadIsNotSaved) {
    const std::string own = "[GENERAL]\r\nmenuKey=5\r\nrefreshInterval=30\r\nactSetting=2\r\n";
    folder->write("settingsGeneral.ini", own);
    failReadsAfter(2);
    readGeneralSettings();
    EXPECT_TRUE(unread.general);
    EXPECT_EQ(writeGeneralSettings(), SaveResult::notRead);
    EXPECT_EQ(folder->read("settingsGeneral.ini"), own);

    portable::fileSystem = portable::systemFileSystem;
    EXPECT_TRUE(rereadGeneralSettings());
    EXPECT_EQ(general.menuKey, 5);
    EXPECT_EQ(general.actSetting, 2);
    EXPECT_EQ(writeGeneralSettings(), SaveResult::saved);
}

TEST_F(UnreadFileTest, MissingFileAndFileThatIsAFolder) {
    readProfileNumber(1);  // no file: the defaults are what it holds
    EXPECT_EQ(unread.profile, 0);
    fs::create_directory(folder->data() / "settings2.ini");
    readProfileNumber(2);
    EXPECT_EQ(unread.profile, 2);
    EXPECT_EQ(writeProfile(2), SaveResult::notRead);
    EXPECT_TRUE(fs::is_directory(folder->data() / "settings2.ini"));
}

TEST_F(WholeSaveTest, AWriteThatFailsPartWayPutsThePreviousFileBack) {
    folder->write("settings1.ini", handSet);
    readProfileNumber(1);
    profile.needleGreen = 101;
    // The first new file is the copy; the 2nd to 8th are writes of changed keys.
    for (int failing : {1, 2, 5, 8}) {
        callsLeft = failing;
        portable::fileSystem.create = createFailingLater;
        EXPECT_EQ(writeProfile(1), SaveResult::failed) << "failing at new file " << failing;
        EXPECT_EQ(folder->read("settings1.ini"), handSet) << "failing at new file " << failing;
        EXPECT_EQ(entries(), 1) << "failing at new file " << failing;
    }
    portable::fileSystem = portable::systemFileSystem;
    EXPECT_EQ(writeProfile(1), SaveResult::saved);
    EXPECT_NE(folder->read("settings1.ini").find("needleGreen=101;"), std::string::npos);
    EXPECT_EQ(entries(), 1);
}

TEST_F(WholeSaveTest, AFileCutWhileTheWriteReportsSuccessIsPutBack) {
    folder->write("settings1.ini", handSet);
    readProfileNumber(1);
    profile.hudSize = 151;
    for (int cut : {2, 6, 30}) {
        callsLeft = cut;
        portable::fileSystem.create = createCutLater;
        EXPECT_EQ(writeProfile(1), SaveResult::failed) << "cut from new file " << cut;
        EXPECT_EQ(folder->read("settings1.ini"), handSet) << "cut from new file " << cut;
        EXPECT_EQ(entries(), 1);
    }
}

TEST_F(WholeSaveTest, NoRoomForTheCopyMeansNoWrite) {
    folder->write("settingsGeneral.ini", "[GENERAL]\r\nmenuKey=5\r\n");
    readGeneralSettings();
    general.menuKey = 6;
    callsLeft = 1;
    portable::fileSystem.create = createFailingLater;
    EXPECT_EQ(writeGeneralSettings(), SaveResult::failed);
    EXPECT_EQ(callsLeft, 0);  // only the copy was tried
    EXPECT_EQ(folder->read("settingsGeneral.ini"), "[GENERAL]\r\nmenuKey=5\r\n");
    EXPECT_EQ(entries(), 1);
}

TEST_F(WholeSaveTest, ANewFileThatCannotBeSavedWholeIsRemoved) {
    readProfileNumber(3);
    callsLeft = 5;
    portable::fileSystem.create = createFailingLater;
    EXPECT_EQ(writeProfile(3), SaveResult::failed);
    EXPECT_FALSE(folder->exists("settings3.ini"));
    EXPECT_EQ(entries(), 0);
}

// A save that ended part-way (the game was killed) leaves its copy behind; the next save
// replaces it and removes it when done.
TEST_F(WholeSaveTest, CopyLeftByAnEndedSaveIsReplacedAndRemoved) {
    folder->write("settings1.ini", handSet);
    folder->write("settings1.ini.~backup", "[OPTICS]\r\nneedleRed=1\r\n");
    readProfileNumber(1);
    profile.hudSize = 152;
    callsLeft = 3;
    portable::fileSystem.create = createFailingLater;
    EXPECT_EQ(writeProfile(1), SaveResult::failed);
    EXPECT_EQ(folder->read("settings1.ini"), handSet);  // the fresh copy went back, not the old
    portable::fileSystem = portable::systemFileSystem;
    folder->write("settings1.ini.~backup", "[OPTICS]\r\nneedleRed=1\r\n");
    EXPECT_EQ(writeProfile(1), SaveResult::saved);
    EXPECT_NE(folder->read("settings1.ini").find("hudSize=152;"), std::string::npos);
    EXPECT_EQ(entries(), 1);
}

TEST_F(WholeSaveTest, ReadOnlyFileIsLeftAloneWithoutACopy) {
    folder->write("settings1.ini", handSet);
    fs::permissions(folder->data() / "settings1.ini", fs::perms::owner_read);
    readProfileNumber(1);
    EXPECT_EQ(unread.profile, 0);  // it was read
    EXPECT_EQ(profile.needleGreen, 100);
    EXPECT_EQ(writeProfile(1), SaveResult::failed);
    EXPECT_EQ(folder->read("settings1.ini"), handSet);
    EXPECT_EQ(entries(), 1);
}

// Every stored text reads back as written (or every healthy save would be undone): the
// whole table, from a file that held other values.
TEST_F(WholeSaveTest, EveryKeyOfBothTablesReadsBackAsWritten) {
    folder->write("settings1.ini", handSet);
    folder->write("settingsGeneral.ini", "[GENERAL]\r\nmenuKey=3\r\n");
    readProfileNumber(1);
    readGeneralSettings();
    profile = ProfileSettings{};
    profile.ledsOffsetX = -1000;
    general = GeneralSettings{};
    EXPECT_EQ(writeProfile(1), SaveResult::saved);
    EXPECT_EQ(writeGeneralSettings(), SaveResult::saved);
    EXPECT_NE(folder->read("settings1.ini").find("ledsOffsetX=-1000;"), std::string::npos);
    EXPECT_EQ(entries(), 2);
}

}  // namespace
