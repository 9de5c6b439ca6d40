// The INI access layer: plug-in folder lookup, number text, reading with range check,
// reading text, and writing a value with its comment.
#include <gtest/gtest.h>

#include "core/process_texts.h"
#include "host/portable/portable_platform.h"
#include "settings/ini_access.h"
#include "support/temp_files.h"
#include "support/test_host.h"

using namespace velquist;
namespace portable = velquist::platform::portable;
using temp_files::readFile;
using temp_files::writeFile;

namespace {

const char* const menuKeyComment = ";\t\tF1-F12 Key to open the mod menu.\t\t (10) < 1-12>";
const char* const actSettingComment = ";\t\tWhich settingsX.ini is active\t\t\t ( 1) < 1- 3>";

class IniAccess : public ::testing::Test, protected temp_files::FileInFolder {
  protected:
    IniAccess() : FileInFolder("settings.ini") {}
    void SetUp() override { testing_host::reset(); }
};

// The plug-in's folder, from the module's own file name.
using PluginFolderTest = IniAccess;

TEST_F(PluginFolderTest, FolderKeepsItsTrailingBackslash) {
    portable::config.moduleFile = "D:\\Games\\Host\\plugin.asi";
    EXPECT_EQ(pluginFolderLookup(), "D:\\Games\\Host\\");
    EXPECT_EQ(texts.pluginFolder, "D:\\Games\\Host\\");
}

TEST_F(PluginFolderTest, FoundFolderIsCachedForGood) {
    portable::config.moduleFile = "D:\\Games\\Host\\plugin.asi";
    pluginFolderLookup();
    portable::config.moduleFile = "E:\\Other\\plugin.asi";
    EXPECT_EQ(pluginFolderLookup(), "D:\\Games\\Host\\");
}

TEST_F(PluginFolderTest, EmptyAnswerIsNotCachedAndIsAskedAgain) {
    EXPECT_EQ(pluginFolderLookup(), "");
    EXPECT_EQ(texts.pluginFolder, "");
    portable::config.moduleFile = "C:\\V\\plugin.asi";
    EXPECT_EQ(pluginFolderLookup(), "C:\\V\\");
}

TEST_F(PluginFolderTest, NameOf260CharactersOrMoreIsNoFolderDefaultsAndNoWrites) {
    // The system cuts the name at 259 characters; the cut form's last backslash names the
    // folder above the plug-in's, which holds a data folder of its own.
    const std::string other = folder.pluginPath("Velquist\\settingsGeneral.ini");
    std::filesystem::create_directory(folder.path() / "Velquist");
    writeFile(folder.path() / "Velquist" / "settingsGeneral.ini", "[GENERAL]\r\nmenuKey=5\r\n");
    const std::string deep = folder.pluginPath(std::string(300, 'd') + "\\Velquist.asi");
    portable::config.moduleFile = deep;
    EXPECT_EQ(pluginFolderLookup(), "");
    EXPECT_EQ(dataFilePath("settingsGeneral.ini"), "");
    EXPECT_EQ(readIniInt(dataFilePath("settingsGeneral.ini"), "GENERAL", "menuKey", 10, 1, 12), 10);
    EXPECT_EQ(readIniString(dataFilePath("settingsGeneral.ini"), "GENERAL", "menuKey", "none"),
              "none");
    writeIniInt(dataFilePath("settingsGeneral.ini"), "GENERAL", "menuKey", 7, ";c");
    EXPECT_EQ(readFile(folder.path() / "Velquist" / "settingsGeneral.ini"),
              "[GENERAL]\r\nmenuKey=5\r\n");
    EXPECT_EQ(readIniInt(other, "GENERAL", "menuKey", 10, 1, 12), 5);

    // 259 characters still fit, with the terminating zero, in the 260 of the buffer.
    const std::string prefix = folder.pluginPath("");
    const std::string fits = prefix + std::string(259 - prefix.size() - 13, 'f') + "\\Velquist.asi";
    ASSERT_EQ(fits.size(), 259u);
    portable::config.moduleFile = fits;
    EXPECT_EQ(pluginFolderLookup(), fits.substr(0, fits.size() - 12));
}

TEST_F(PluginFolderTest, PathWithoutBackslashStaysWhole) {
    portable::config.moduleFile = "plugin.asi";
    EXPECT_EQ(pluginFolderLookup(), "plugin.asi");
}

// Numbers as the INI files hold them.
using IntToTextTest = IniAccess;

TEST_F(IntToTextTest, PlainDecimalWithMinusSignOnly) {
    EXPECT_EQ(intToText(0), "0");
    EXPECT_EQ(intToText(-250), "-250");
    EXPECT_EQ(intToText(INT32_MAX), "2147483647");
    EXPECT_EQ(intToText(INT32_MIN), "-2147483648");
}

// Reading a number, with its range and default.
using ReadIniIntTest = IniAccess;

TEST_F(ReadIniIntTest, RangeIsInclusiveAndOutsideGivesTheDefault) {
    writeFile(file, "[S]\r\nzero=0\r\nthirteen=13\r\nminus=-5\r\ntwelve=12\r\none=1\r\n");
    EXPECT_EQ(readIniInt(path, "S", "zero", 10, 1, 12), 10);
    EXPECT_EQ(readIniInt(path, "S", "thirteen", 10, 1, 12), 10);
    EXPECT_EQ(readIniInt(path, "S", "minus", 10, 1, 12), 10);
    EXPECT_EQ(readIniInt(path, "S", "twelve", 10, 1, 12), 12);
    EXPECT_EQ(readIniInt(path, "S", "one", 10, 1, 12), 1);
}

TEST_F(ReadIniIntTest, DefaultIsReturnedUncheckedWhenNothingIsStored) {
    EXPECT_EQ(readIniInt(path, "S", "none", 99, 1, 12), 99);  // no file
    writeFile(file, "[S]\r\nx=1\r\n");
    EXPECT_EQ(readIniInt(path, "S", "none", 99, 1, 12), 99);  // no key
    EXPECT_EQ(readIniInt(path, "T", "x", 99, 1, 12), 99);     // no section
}

TEST_F(ReadIniIntTest, ValueFollowedByTheCommentReadsAsItsLeadingNumber) {
    writeFile(file, std::string("[GENERAL]\r\nmenuKey=7") + menuKeyComment + "\r\n");
    EXPECT_EQ(readIniInt(path, "GENERAL", "menuKey", 10, 1, 12), 7);
}

TEST_F(ReadIniIntTest, TextWithoutDigitsReadsAsZeroBeforeTheRangeCheck) {
    writeFile(file, "[S]\r\nword=abc\r\n");
    EXPECT_EQ(readIniInt(path, "S", "word", 5, 0, 10), 0);
    EXPECT_EQ(readIniInt(path, "S", "word", 5, 1, 10), 5);
}

// Reading a text.
using ReadIniStringTest = IniAccess;

TEST_F(ReadIniStringTest, LongValueIsCutTo63Characters) {
    const std::string value(70, 'x');
    writeFile(file, "[S]\r\nname=" + value + "\r\n");
    EXPECT_EQ(readIniString(path, "S", "name", "Empty"), value.substr(0, iniTextMax));
}

TEST_F(ReadIniStringTest, WholeValueIncludingCommentOrTheDefault) {
    writeFile(file, "[S]\r\nname=Dinka ; brand\r\n");
    EXPECT_EQ(readIniString(path, "S", "name", "Empty"), "Dinka ; brand");
    EXPECT_EQ(readIniString(path, "S", "other", "Empty"), "Empty");
    EXPECT_EQ(readIniString(path, "S", "other", std::string(80, 'd').c_str()),
              std::string(63, 'd'));
}

// Writing a number.
using WriteIniIntTest = IniAccess;

TEST_F(WriteIniIntTest, NegativeValueRoundTripsDirectlyFollowedByTheComment) {
    writeIniInt(path, "PLACEMENT", "offset", -250, ";\tOffset");
    EXPECT_EQ(readIniInt(path, "PLACEMENT", "offset", 0, -1000, 1000), -250);
    writeIniInt(path, "GENERAL", "actSetting", -5, actSettingComment);
    EXPECT_EQ(readIniString(path, "GENERAL", "actSetting", ""),
              std::string("-5") + actSettingComment);
}

TEST_F(WriteIniIntTest, RewritingAKeyKeepsItsPlaceAndEveryUnknownLine) {
    writeFile(file,
              "; my notes\r\n[GENERAL]\r\nmine=1\r\nmenuKey=7;old\r\nstray line\r\n"
              "[OTHER]\r\nx=2\r\n");
    writeIniInt(path, "GENERAL", "menuKey", 9, ";new");
    EXPECT_EQ(readFile(file),
              "; my notes\r\n[GENERAL]\r\nmine=1\r\nmenuKey=9;new\r\nstray line\r\n"
              "[OTHER]\r\nx=2\r\n");
}

TEST_F(WriteIniIntTest, MissingFolderIsNotCreatedAndNothingIsStored) {
    const std::string inMissing = folder.pluginPath("Velquist\\settings.ini");
    writeIniInt(inMissing, "S", "k", 1, ";c");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Velquist"));
    EXPECT_EQ(readIniInt(inMissing, "S", "k", 4, 0, 9), 4);
}

}  // namespace
