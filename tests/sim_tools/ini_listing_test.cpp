// The INI listing of the folder check: line numbers as an editor counts them, and the
// same sections, keys and values the plug-in's INI layer reads from the same bytes.
#include <gtest/gtest.h>

#include <string>

#include "host/platform.h"
#include "support/temp_files.h"
#include "tools/ini_listing.h"

namespace {

using sim::firstKey;
using sim::firstSection;
using sim::listIni;

TEST(IniListingTest, LinesAreCountedAsAnEditorCountsThem) {
    // LF, CR LF and a lone CR each end a line; blank lines count.
    const sim::IniListing l = listIni("[A]\r\na=1\n\n\rb=2\r\n[B]\nc=3");
    ASSERT_EQ(l.sections.size(), 3u);
    EXPECT_EQ(l.sections[1].line, 1);
    ASSERT_EQ(l.sections[1].keys.size(), 2u);
    EXPECT_EQ(l.sections[1].keys[0].line, 2);
    EXPECT_EQ(l.sections[1].keys[1].line, 5);
    EXPECT_EQ(l.sections[2].line, 6);
    EXPECT_EQ(l.sections[2].keys[0].line, 7);
}

TEST(IniListingTest, HeadSectionCommentsAndStrayLines) {
    const sim::IniListing l = listIni("x=1\n[S]\n; note\nword\n[T\n=5\n");
    ASSERT_EQ(l.sections.size(), 2u);
    EXPECT_EQ(l.sections[0].line, 0);  // before any header
    ASSERT_EQ(l.sections[0].keys.size(), 1u);
    const auto& keys = l.sections[1].keys;
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_TRUE(sim::isCommentLine(keys[0]));
    EXPECT_FALSE(keys[1].hasValue);            // "word"
    EXPECT_EQ(sim::utf8(keys[2].name), "[T");  // "[" without "]" is a key line
    EXPECT_TRUE(keys[3].name.empty());
    EXPECT_TRUE(listIni("").sections.empty());
}

TEST(IniListingTest, FirstSectionAndFirstKeyWinWithoutRegardToCase) {
    const sim::IniListing l = listIni("[a]\nK=1\n[A]\nk=2\n[a]\n");
    const sim::ListedSection* s = firstSection(l, u"A");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->line, 1);
    EXPECT_EQ(firstKey(*s, u"k")->line, 2);
    EXPECT_EQ(firstSection(l, u"B"), nullptr);
}

TEST(IniListingTest, UnicodeFilesKeepTheirLines) {
    const std::u16string text = u"\uFEFF[S]\r\n\r\nkey=v\u00e9\r\n";
    const sim::IniListing l = listIni(
        std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t)));
    ASSERT_EQ(l.sections.size(), 2u);
    ASSERT_EQ(l.sections[1].keys.size(), 1u);
    EXPECT_EQ(l.sections[1].keys[0].line, 3);
    EXPECT_EQ(sim::utf8(l.sections[1].keys[0].value), "v\xc3\xa9");
}

// The listing finds the very value the private-profile functions give the plug-in.
TEST(IniListingTest, AgreesWithThePluginsIniLayer) {
    const std::string file =
        "\xef\xbb\xbf"  // UTF-8 byte-order mark
        " ; head\n k0 = zero \n"
        "[ Sec ] trailing\n"
        "  key1  =  one  \r\n"
        "KEY1=again\n"
        "key2\n"
        "key2=later\n"
        "[sec]\n"
        "key3=hidden\n"
        "[Other]\n"
        "key1=other\x1a\n";
    temp_files::Folder folder;
    const std::string path = folder.pluginPath("t.ini");
    temp_files::writeFile(folder.path() / "t.ini", file);
    const sim::IniListing l = listIni(file);
    for (const char* section : {"Sec", "Other", "sec"})
        for (const char* key : {"key1", "key2", "key3", "k0"}) {
            char answer[64];
            velquist::platform::getPrivateProfileString(section, key, "<none>", answer,
                                                        sizeof answer, path.c_str());
            std::string listed = "<none>";
            if (const sim::ListedSection* s = firstSection(l, sim::fromUtf8(section)))
                if (const sim::ListedKey* k = firstKey(*s, sim::fromUtf8(key)))
                    if (k->hasValue) listed = sim::utf8(k->value);
            EXPECT_EQ(listed, answer) << section << " " << key;
        }
}

}  // namespace
