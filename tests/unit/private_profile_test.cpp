// The portable private-profile functions: reading, writing and the failure cases of the
// file system. The comparison with kernel32 itself is the conformance corpus
// (ini_conformance/); these cases pin the behaviours the plug-in relies on.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>

#include "host/platform.h"
#include "host/portable/file_system.h"
#include "host/portable/portable_platform.h"
#include "support/temp_files.h"

namespace fs = std::filesystem;
namespace portable = velquist::platform::portable;
using namespace velquist::platform;

namespace {

class PrivateProfile : public ::testing::Test, protected temp_files::FileInFolder {
  protected:
    PrivateProfile() : FileInFolder("test.ini") {}
    void TearDown() override { portable::fileSystem = portable::systemFileSystem; }

    void put(const std::string& bytes) { temp_files::writeFile(file, bytes); }
    std::string contents() const { return temp_files::readFile(file); }
    std::string text(const char* section, const char* key, const char* def = "D",
                     uint32_t size = 64) {
        std::string buf(size, '#');
        const uint32_t n =
            getPrivateProfileString(section, key, def, buf.data(), size, path.c_str());
        EXPECT_EQ(n, std::strlen(buf.c_str()));
        return buf.c_str();
    }
    int32_t number(const char* section, const char* key, int32_t def = 77) {
        return static_cast<int32_t>(getPrivateProfileInt(section, key, def, path.c_str()));
    }
    bool write(const char* section, const char* key, const char* value) {
        return writePrivateProfileString(section, key, value, path.c_str());
    }

    const fs::path dir = folder.path();
};

// Reading texts.
using ProfileReadTest = PrivateProfile;

TEST_F(ProfileReadTest, NamesCompareWithoutRegardToCaseAndBlanks) {
    put("[General]\r\n  MenuKey \t=  8 \r\n");
    EXPECT_EQ(text("GENERAL", "menukey"), "8");
    EXPECT_EQ(text(" general\t", " MENUKEY "), "8");
}

TEST_F(ProfileReadTest, FirstMatchingSectionAndKeyWin) {
    put("[a]\nk=1\nK=2\n[A]\nk=3\nonlyInSecond=4\n");
    EXPECT_EQ(text("a", "k"), "1");
    // The second [A] is never searched.
    EXPECT_EQ(text("a", "onlyInSecond"), "D");
}

TEST_F(ProfileReadTest, LineEndingsOfEveryKindAndNoFinalNewline) {
    put("[s]\r\na=1\nb=2\r\r\n\nc=3");
    EXPECT_EQ(text("s", "a"), "1");
    EXPECT_EQ(text("s", "b"), "2");
    EXPECT_EQ(text("s", "c"), "3");
}

TEST_F(ProfileReadTest, WholeValueIncludingCommentAndInnerBlanks) {
    put("[s]\nk=  7;\t\tF1-F12 Key\t\t (10)  \n");
    EXPECT_EQ(text("s", "k"), "7;\t\tF1-F12 Key\t\t (10)");
}

TEST_F(ProfileReadTest, LinesWithoutEqualsSignAreNoValues) {
    put("[s]\n; k=1\nk\n");
    EXPECT_EQ(text("s", "k"), "D");
    EXPECT_EQ(text("s", "; k"), "1");
}

TEST_F(ProfileReadTest, MatchingQuotesAreRemoved) {
    put("[s]\na=\"x y\"\nb='x'\nc=\"x'\nd=\"\n");
    EXPECT_EQ(text("s", "a"), "x y");
    EXPECT_EQ(text("s", "b"), "x");
    EXPECT_EQ(text("s", "c"), "\"x'");
    EXPECT_EQ(text("s", "d"), "\"");
}

TEST_F(ProfileReadTest, LongValueIsCutToSizeMinusOne) {
    put("[s]\nk=" + std::string(70, 'v') + "\n");
    EXPECT_EQ(text("s", "k"), std::string(63, 'v'));
    EXPECT_EQ(text("s", "k", "D", 1), "");
}

// A quoted value cut so that exactly its closing quote would still fit loses the quote and
// one more character: "abc" read into 4 characters gives "ab".
TEST_F(ProfileReadTest, QuotedValueCutAtItsClosingQuoteLosesOneMoreCharacter) {
    put("[s]\nk=\"abc\"\n");
    EXPECT_EQ(text("s", "k", "D", 5), "abc");
    EXPECT_EQ(text("s", "k", "D", 4), "ab");
    EXPECT_EQ(text("s", "k", "D", 3), "ab");
}

TEST_F(ProfileReadTest, OnlyTheCountedCharactersAndOneZeroAreWritten) {
    put("[s]\nk=abc\n");
    char buf[8];
    std::memset(buf, '#', sizeof buf);
    EXPECT_EQ(getPrivateProfileString("s", "k", "", buf, 6, path.c_str()), 3u);
    EXPECT_EQ(std::string(buf, 8), std::string("abc\0####", 8));
    EXPECT_EQ(getPrivateProfileString("s", "k", "", buf, 0, path.c_str()), 0u);
}

TEST_F(ProfileReadTest, ClaimedSizeLargerThanAnyAnswerAllocatesNothingOfThatSize) {
    put("[s]\nk=abc\n");
    char buf[16];
    EXPECT_EQ(getPrivateProfileString("s", "k", "", buf, 0xFFFFFFFFu, path.c_str()), 3u);
    EXPECT_STREQ(buf, "abc");
}

// Trailing spaces of the default are dropped, but never its first character.
TEST_F(ProfileReadTest, DefaultLosesTrailingSpacesAndQuotes) {
    EXPECT_EQ(text("s", "k", "def  "), "def");
    EXPECT_EQ(text("s", "k", "   "), " ");
    EXPECT_EQ(text("s", "k", "\"q\""), "q");
    EXPECT_EQ(text("s", "k", nullptr), "");
}

TEST_F(ProfileReadTest, MissingFileAndFolderReadAsEmpty) {
    path = portable::toPluginPath((dir / "none" / "x.ini").string());
    EXPECT_EQ(text("s", "k"), "D");
    EXPECT_EQ(number("s", "k", -3), -3);
}

// Reading numbers.
using ProfileNumberTest = PrivateProfile;

TEST_F(ProfileNumberTest, SignedLeadingDigitsAfterBlanks) {
    put("[s]\na=-250\nb= -250 ;c\nc=+5\nd=007\ne=7;\t\tcomment\nf=abc\ng=\nh\n");
    EXPECT_EQ(number("s", "a"), -250);
    EXPECT_EQ(number("s", "b"), -250);
    EXPECT_EQ(number("s", "c"), 5);
    EXPECT_EQ(number("s", "d"), 7);
    EXPECT_EQ(number("s", "e"), 7);
    EXPECT_EQ(number("s", "f"), 0);   // present but not a number
    EXPECT_EQ(number("s", "g"), 77);  // empty: the default
    EXPECT_EQ(number("s", "h"), 77);  // no "=": the default
}

// kernel32 reads base prefixes (lower case only) and lets large values wrap around.
TEST_F(ProfileNumberTest, BasePrefixesAndWrapAround) {
    put("[s]\na=0x10\nb=0X10\nc=0b101\nd=0o17\ne=-0x10\nf=2147483648\ng=-2147483649\n"
        "h=99999999999\ni=4294967295\nj=12345678901234567890123456789012345\n");
    EXPECT_EQ(number("s", "a"), 16);
    EXPECT_EQ(number("s", "b"), 0);
    EXPECT_EQ(number("s", "c"), 5);
    EXPECT_EQ(number("s", "d"), 15);
    EXPECT_EQ(number("s", "e"), -16);
    EXPECT_EQ(number("s", "f"), INT32_MIN);
    EXPECT_EQ(number("s", "g"), INT32_MAX);
    EXPECT_EQ(number("s", "h"), 1215752191);
    EXPECT_EQ(number("s", "i"), -1);
    // Only the first 29 characters count.
    EXPECT_EQ(number("s", "j"), 1849262357);
}

// Writing: where keys and sections go.
using ProfileWriteTest = PrivateProfile;

TEST_F(ProfileWriteTest, MissingFileIsCreated) {
    EXPECT_TRUE(write("GENERAL", "menuKey", "8;c"));
    EXPECT_EQ(contents(), "[GENERAL]\r\nmenuKey=8;c\r\n");
}

TEST_F(ProfileWriteTest, ExistingKeyIsReplacedWhereItStands) {
    put("; top\n[s]\nx=1\nK=old\ny=2\n[t]\nk=3\n");
    EXPECT_TRUE(write("S", "k", "new"));
    EXPECT_EQ(contents(), "; top\r\n[s]\r\nx=1\r\nK=new\r\ny=2\r\n[t]\r\nk=3\r\n");
}

// The file comes back in kernel32's normalised form: CR LF endings, no blank lines, no
// blanks around names and "=".
TEST_F(ProfileWriteTest, NewKeyGoesAfterTheLastLineOfItsSection) {
    put("[s]\n a = 1 \n\n; note\n\n[t]\nb=2");
    EXPECT_TRUE(write("s", "c", "3"));
    EXPECT_EQ(contents(), "[s]\r\na=1\r\n; note\r\nc=3\r\n[t]\r\nb=2\r\n");
}

TEST_F(ProfileWriteTest, NewSectionGoesAtTheEnd) {
    put("[s]\na=1\n");
    EXPECT_TRUE(write("t", "b", "2"));
    EXPECT_EQ(contents(), "[s]\r\na=1\r\n[t]\r\nb=2\r\n");
}

TEST_F(ProfileWriteTest, UnchangedValueLeavesTheFileAlone) {
    const std::string messy = "[s]  \n  a = 1 \n\n";
    put(messy);
    EXPECT_TRUE(write("s", "a", "1"));
    EXPECT_EQ(contents(), messy);
}

TEST_F(ProfileWriteTest, NullValueDeletesKeyAndNullKeyDeletesSection) {
    put("[s]\na=1\nb=2\n[t]\nc=3\n");
    EXPECT_TRUE(write("s", "a", nullptr));
    EXPECT_EQ(contents(), "[s]\r\nb=2\r\n[t]\r\nc=3\r\n");
    EXPECT_TRUE(write("t", nullptr, nullptr));
    EXPECT_EQ(contents(), "[s]\r\nb=2\r\n");
    EXPECT_FALSE(write(nullptr, "a", "1"));
}

TEST_F(ProfileWriteTest, NewNamesLoseLeadingBlanksOnly) {
    EXPECT_TRUE(write(" s ", " k ", " v "));
    EXPECT_EQ(contents(), "[s ]\r\nk =v \r\n");
    EXPECT_EQ(text("s", "k"), "v");
}

// kernel32 writes the file a symbolic link names; the link stays a link.
TEST_F(ProfileWriteTest, SymbolicLinkIsWrittenThrough) {
    fs::create_directory(dir / "real");
    temp_files::writeFile(dir / "real" / "target.ini", "[s]\r\nk=1\r\n");
    fs::create_symlink("real/target.ini", file);
    EXPECT_TRUE(write("s", "k", "2"));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(temp_files::readFile(dir / "real" / "target.ini"), "[s]\r\nk=2\r\n");
    EXPECT_EQ(text("s", "k"), "2");
    // A link that leads nowhere yet: the write creates the file it names.
    fs::create_symlink("real/new.ini", dir / "dangling.ini");
    path = folder.pluginPath("dangling.ini");
    EXPECT_TRUE(write("s", "k", "3"));
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.ini"));
    EXPECT_EQ(temp_files::readFile(dir / "real" / "new.ini"), "[s]\r\nk=3\r\n");
}

// Writes that cannot be made, and what they leave behind.
using ProfileWriteFailureTest = PrivateProfile;

TEST_F(ProfileWriteFailureTest, MissingFolderIsNotCreated) {
    path = portable::toPluginPath((dir / "Velquist" / "x.ini").string());
    EXPECT_FALSE(write("s", "k", "v"));
    EXPECT_FALSE(fs::exists(dir / "Velquist"));
}

TEST_F(ProfileWriteFailureTest, FileThatIsAFolderIsNeitherReadNorWritten) {
    fs::create_directory(file);
    EXPECT_EQ(text("s", "k", "\"D\""), "\"D\"");
    EXPECT_FALSE(write("s", "k", "v"));
    EXPECT_TRUE(fs::is_directory(file));
}

TEST_F(ProfileWriteFailureTest, FullDiskKeepsTheOldFileWhole) {
    const std::string old = "[s]\r\nk=1\r\n";
    put(old);
    // The disk fills up after half of the new text.
    portable::fileSystem.create = [](const std::string& p, const std::string& bytes) {
        portable::systemFileSystem.create(p, bytes.substr(0, bytes.size() / 2));
        return portable::FileCreate::failed;
    };
    EXPECT_FALSE(write("s", "k", "2"));
    EXPECT_EQ(contents(), old);
    EXPECT_EQ(temp_files::entryCount(dir), 1);
}

TEST_F(ProfileWriteFailureTest, UnwritableFolderOrFailedRenameKeepsTheOldFile) {
    const std::string old = "[s]\r\nk=1\r\n";
    put(old);
    portable::fileSystem.create = [](const std::string&, const std::string&) {
        return portable::FileCreate::failed;
    };
    EXPECT_FALSE(write("s", "k", "2"));
    EXPECT_EQ(contents(), old);

    portable::fileSystem = portable::systemFileSystem;
    portable::fileSystem.rename = [](const std::string&, const std::string&) { return false; };
    EXPECT_FALSE(write("s", "k", "2"));
    EXPECT_EQ(contents(), old);
    EXPECT_EQ(temp_files::entryCount(dir), 1);
}

TEST_F(ProfileWriteFailureTest, LeftoverTemporaryFileIsSteppedOver) {
    put("[s]\r\nk=1\r\n");
    const fs::path leftover = file.string() + ".~" + std::to_string(::getpid()) + "-0";
    std::ofstream(leftover) << "junk";
    EXPECT_TRUE(write("s", "k", "2"));
    EXPECT_EQ(contents(), "[s]\r\nk=2\r\n");
    EXPECT_TRUE(fs::exists(leftover));
}

// kernel32 opens the file for writing, which Windows refuses for a read-only file; the
// file is not replaced, changed value or not, and keeps its mode.
TEST_F(ProfileWriteFailureTest, ReadOnlyFileIsRefusedAndKeepsItsMode) {
    const std::string old = "[s]\r\nk=1\r\n";
    put(old);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(write("s", "k", "2"));
    EXPECT_FALSE(write("s", "k", "1"));
    EXPECT_EQ(contents(), old);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(temp_files::entryCount(dir), 1);
}

// A run killed between writing the temporary file and the rename leaves it behind; the
// next write of that file removes it.
TEST_F(ProfileWriteFailureTest, TemporaryFileOfAnEndedRunIsRemovedByTheNextWrite) {
    put("[s]\r\nk=1\r\n");
    temp_files::writeFile(portable::temporaryName(file.string()), "[s]\r\nk=half");
    EXPECT_TRUE(write("s", "k", "2"));
    EXPECT_EQ(contents(), "[s]\r\nk=2\r\n");
    EXPECT_EQ(temp_files::entryCount(dir), 1);
}

// When neither the rename nor the clean-up is allowed, one temporary file is left however
// many writes fail, and the first write that may rename removes it.
TEST_F(ProfileWriteFailureTest, RefusedCleanUpLeavesOneTemporaryFileAtMost) {
    const std::string old = "[s]\r\nk=1\r\n";
    put(old);
    portable::fileSystem.rename = [](const std::string&, const std::string&) { return false; };
    portable::fileSystem.remove = [](const std::string&) { return false; };
    for (int i = 0; i < 42; ++i)
        EXPECT_FALSE(write("s", ("k" + std::to_string(i)).c_str(), "2"));
    EXPECT_EQ(contents(), old);
    EXPECT_EQ(temp_files::entryCount(dir), 2);
    EXPECT_TRUE(fs::exists(portable::temporaryName(file.string())));

    portable::fileSystem = portable::systemFileSystem;
    EXPECT_TRUE(write("s", "k", "2"));
    EXPECT_EQ(temp_files::entryCount(dir), 1);
}

// Paths that are not plain files.
using ProfileFileKindTest = PrivateProfile;

// A FIFO in the file's place would keep an open for reading waiting for a writer; it
// reads as unreadable at once and is never written. Bounded, so that a hang fails.
TEST_F(ProfileFileKindTest, FifoIsNeitherWaitedForNorWritten) {
    ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
    auto reading = std::async(std::launch::async, [&] {
        char buf[8];
        const uint32_t n = getPrivateProfileString("s", "k", "D", buf, sizeof buf, path.c_str());
        return std::string(buf, n);
    });
    if (reading.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        // Let the blocked open go, so that the test ends.
        ::close(::open(file.c_str(), O_WRONLY | O_NONBLOCK));
        FAIL() << "a read of a FIFO waited for a writer";
    }
    EXPECT_EQ(reading.get(), "D");
    EXPECT_EQ(number("s", "k", -3), -3);
    EXPECT_FALSE(write("s", "k", "v"));
    EXPECT_TRUE(fs::is_fifo(file));
}

// Files larger than the limit, and links to endless devices, read as unreadable instead
// of filling the memory; a file of exactly the limit is read.
TEST_F(ProfileFileKindTest, FilesBeyondTheSizeLimitAndDevicesAreUnreadable) {
    const std::string head = "[s]\r\nk=5\r\n;";
    put(head + std::string(portable::fileSizeLimit - head.size(), 'x'));
    EXPECT_EQ(number("s", "k"), 5);
    put(head + std::string(portable::fileSizeLimit - head.size() + 1, 'x'));
    EXPECT_EQ(number("s", "k"), 77);
    EXPECT_EQ(text("s", "k", "\"D\""), "\"D\"");  // the unreadable file's answer
    EXPECT_FALSE(write("s", "k", "6"));
    EXPECT_EQ(fs::file_size(file), portable::fileSizeLimit + 1);

    fs::remove(file);
    fs::create_symlink("/dev/zero", file);
    EXPECT_EQ(number("s", "k"), 77);
    EXPECT_FALSE(write("s", "k", "6"));
    EXPECT_TRUE(fs::is_symlink(file));
}

// A loop of symbolic links in the file's place: there, and never read or written.
TEST_F(ProfileFileKindTest, LoopOfSymbolicLinksIsUnreadableAndNeverWritten) {
    fs::create_symlink(file.filename().string() + ".other", file);
    fs::create_symlink(file.filename(), file.string() + ".other");
    EXPECT_EQ(number("s", "k"), 77);
    EXPECT_FALSE(write("s", "k", "6"));
    EXPECT_EQ(probeFile(path.c_str()), FileProbe::unreadable);
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_FALSE(fs::exists(dir / "test.ini.~new"));
}

// What kind of path a file name meets.
using ProfileProbeTest = PrivateProfile;

TEST_F(ProfileProbeTest, EachKindOfPathIsFoundAsTheFunctionsMeetIt) {
    const auto probe = [&](const std::string& name) {
        return probeFile(folder.pluginPath(name).c_str());
    };
    EXPECT_EQ(probe("test.ini"), FileProbe::absent);
    EXPECT_EQ(probe("none/x.ini"), FileProbe::absent);
    put("[s]\r\nk=1\r\n");
    EXPECT_EQ(probe("test.ini"), FileProbe::readable);
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_EQ(probe("test.ini"), FileProbe::readOnly);
    fs::create_directory(dir / "folder.ini");
    EXPECT_EQ(probe("folder.ini"), FileProbe::unreadable);
    ASSERT_EQ(::mkfifo((dir / "fifo.ini").c_str(), 0644), 0);
    EXPECT_EQ(probe("fifo.ini"), FileProbe::unreadable);
    temp_files::writeFile(dir / "big.ini", std::string(portable::fileSizeLimit + 1, ' '));
    EXPECT_EQ(probe("big.ini"), FileProbe::unreadable);
}

}  // namespace
