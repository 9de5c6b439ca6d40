// The players' README generator: meanings taken from the settings comments, key tables
// that carry every key with its default and range, and the template filling.
#include <gtest/gtest.h>

#include "player_readme.h"
#include "settings/general_keys.h"
#include "settings/profile_keys.h"

using namespace player_readme;

namespace {

TEST(PlayerReadme, MeaningDropsTheMarksAndFoldsBlanks) {
    EXPECT_EQ(commentMeaning(";\t\tF1-F12 Key to open the mod menu.\t\t (10) < 1-12>"),
              "F1-F12 Key to open the mod menu.");
    EXPECT_EQ(commentMeaning(";  \tY value\ton screen, 0 top  1000 bottom\t \t(920) <   0-1000>"),
              "Y value on screen, 0 top 1000 bottom");
    EXPECT_EQ(commentMeaning(";  \tX offset of the middle led to main hud\t\t(  0) < +/- 1000>"),
              "X offset of the middle led to main hud");
    // Parentheses that belong to the text stay.
    EXPECT_EQ(commentMeaning(";\tLeft side (1), Above (0) <0-1>"), "Left side (1), Above (0)");
    EXPECT_EQ(commentMeaning(";\t\t\tRPM Gauge (off=0 analogue=1 leds=2)\t\t  (1) <0-2>"),
              "RPM Gauge (off=0 analogue=1 leds=2)");
    EXPECT_EQ(commentMeaning(""), "");
    EXPECT_EQ(commentMeaning("; (1)"), "(1)");
}

// The table line of a key: its name, default and range, whatever the spacing.
bool hasRow(const std::string& table, const std::string& key, int32_t def, int32_t lo, int32_t hi) {
    const std::string range = std::to_string(lo) + " to " + std::to_string(hi);
    size_t pos = 0;
    while ((pos = table.find("  " + key + " ", pos)) != std::string::npos) {
        const std::string line = table.substr(pos, table.find('\n', pos) - pos);
        if (line.find(" " + std::to_string(def) + "  " + range) != std::string::npos) return true;
        ++pos;
    }
    return false;
}

TEST(PlayerReadme, TablesListEveryKeyWithDefaultAndRange) {
    const std::string general = generalKeyTable();
    for (const auto& k : velquist::generalKeys)
        EXPECT_TRUE(hasRow(general, k.key, k.defaultValue, k.minimum, k.maximum)) << k.key;
    const std::string profile = profileKeyTable();
    for (const auto& k : velquist::profileKeys)
        EXPECT_TRUE(hasRow(profile, k.key, k.defaultValue, k.minimum, k.maximum)) << k.key;
    // The boat unit's comment shows (2), but the table gives the default the plug-in uses.
    EXPECT_TRUE(hasRow(profile, "boaUnit", 1, 0, 2));
    EXPECT_NE(profile.find("  [PLACEMENT]\n"), std::string::npos);
}

TEST(PlayerReadme, TemplateMarksAreFilledAndUnknownOnesRefused) {
    std::string out, error;
    ASSERT_TRUE(fillTemplate("Velquist @VERSION@, mail me@home @X\n@VERSION@", {{"VERSION", "1.2"}},
                             out, error));
    EXPECT_EQ(out, "Velquist 1.2, mail me@home @X\n1.2");
    EXPECT_FALSE(fillTemplate("a @TABLE@ b", {{"VERSION", "1.2"}}, out, error));
    EXPECT_EQ(error, "no value for @TABLE@");
}

TEST(PlayerReadme, LineEndsBecomeCrLfOnce) {
    EXPECT_EQ(withCrLf("a\nb\r\n\nc"), "a\r\nb\r\n\r\nc");
}

}  // namespace
