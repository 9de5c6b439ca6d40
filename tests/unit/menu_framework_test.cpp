// The menu's building blocks: value texts, line geometry, inputs, stepping, help texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/key_state.h"
#include "core/process_texts.h"
#include "core/virtual_keys.h"
#include "host/native_call.h"
#include "host/natives.h"
#include "menu/game_text.h"
#include "menu/help_texts.h"
#include "menu/menu_draw.h"
#include "menu/menu_input.h"
#include "menu/menu_item.h"
#include "menu/menu_pages.h"
#include "settings/general_keys.h"
#include "settings/profile_keys.h"
#include "support/plugin_test.h"
#include "support/test_host.h"

using namespace velquist;
using testing_host::host;
using testing_host::NativeRecord;

namespace {

float asFloat(uint64_t slot) {
    const auto bits = static_cast<uint32_t>(slot);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

std::vector<NativeRecord> calls(uint64_t hash) {
    std::vector<NativeRecord> out;
    for (const NativeRecord& n : host.natives)
        if (n.hash == hash) out.push_back(n);
    return out;
}

int sounds() {
    return static_cast<int>(calls(natives::playSoundFrontend).size());
}

void hold(uint32_t key) {
    onKeyboardEvent(key, 1, 0, 0, 0, 0, 0);
}

using Menu = testing_host::PluginTest;

// An item's value as the menu shows it.
using FormatValueTest = Menu;

TEST_F(FormatValueTest, WordsForEachKind) {
    int32_t v = 1;
    EXPECT_EQ(formatValue(ItemKind::boolean, &v), "[ON]");
    EXPECT_EQ(formatValue(ItemKind::extraGauge, &v), "LEFT");
    EXPECT_EQ(formatValue(ItemKind::rpm, &v), "Anlg");
    EXPECT_EQ(formatValue(ItemKind::analyticsMode, &v), "[ONCE]");
    EXPECT_EQ(formatValue(ItemKind::unit, &v), "KM/H");
    v = 0;
    EXPECT_EQ(formatValue(ItemKind::boolean, &v), "[OFF]");
    EXPECT_EQ(formatValue(ItemKind::extraGauge, &v), "ABOVE");
    EXPECT_EQ(formatValue(ItemKind::factorTen, &v), "0");
    v = 3;
    EXPECT_EQ(formatValue(ItemKind::unit, &v), "M/S");
    v = 2;
    EXPECT_EQ(formatValue(ItemKind::rpm, &v), "LED");
    EXPECT_EQ(formatValue(ItemKind::analyticsMode, &v), "[ON]");
    EXPECT_EQ(formatValue(ItemKind::action, &v), "<do>");
    // The menu key by the key table's names, F1 .. F12.
    for (v = 1; v <= vk::functionKeyCount; ++v)
        EXPECT_EQ(formatValue(ItemKind::functionKey, &v), "F" + std::to_string(v));
    v = 5;
    EXPECT_EQ(formatValue(ItemKind::factorTen, &v), "50");
    v = -250;
    EXPECT_EQ(formatValue(ItemKind::number, &v), "-250");
    EXPECT_EQ(formatValue(ItemKind::number, nullptr), "");
}

TEST_F(FormatValueTest, ValuesWithoutAWordShowSpecial) {
    for (int32_t v : {-1, 2})
        EXPECT_EQ(formatValue(ItemKind::boolean, &v), "SPECIAL");
    int32_t v = 4;
    EXPECT_EQ(formatValue(ItemKind::unit, &v), "SPECIAL");
    v = 3;
    EXPECT_EQ(formatValue(ItemKind::rpm, &v), "SPECIAL");
    EXPECT_EQ(formatValue(ItemKind::analyticsMode, &v), "SPECIAL");
    v = 2;
    EXPECT_EQ(formatValue(ItemKind::extraGauge, &v), "SPECIAL");
    for (int32_t key : {0, 13})
        EXPECT_EQ(formatValue(ItemKind::functionKey, &key), "SPECIAL");
    v = 2147483647;  // shown as ten times, without overflow
    EXPECT_EQ(formatValue(ItemKind::factorTen, &v), "21474836470");
}

// Drawing a menu line: its scale, place and styles.
using MenuLineTest = Menu;

TEST_F(MenuLineTest, ItemTextScaleFollowsTheScreenHeight) {
    drawMenuLine("Mod", "[ON]", 0, 240, false);
    auto scales = calls(natives::setTextScale);
    ASSERT_EQ(scales.size(), 2u);
    EXPECT_NEAR(asFloat(scales[0].args[1]), 0.2916667f, 1e-6);
    EXPECT_EQ(asFloat(scales[0].args[0]), 0.0f);

    testing_host::reset();
    host.screenWidth = 1600;
    host.screenHeight = 900;
    drawMenuLine("Mod", "[ON]", 0, 240, false);
    EXPECT_EQ(asFloat(calls(natives::setTextScale)[0].args[1]), 0.35f);
}

TEST_F(MenuLineTest, ItemZeroOfA240pxMenu) {
    drawMenuLine("Mod", "[ON]", 0, 240, false);
    EXPECT_EQ(host.addedTexts, (std::vector<std::string>{"Mod", "[ON]"}));
    const auto draws = calls(natives::endDisplayText);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_FLOAT_EQ(asFloat(draws[0].args[0]), 10.0f / 1920);
    EXPECT_FLOAT_EQ(asFloat(draws[0].args[1]), (60.0f + 0.06f * 29.75f) / 1080);
    EXPECT_FLOAT_EQ(asFloat(draws[1].args[0]), 175.0f / 1920);  // 70 px short of the right edge
    const auto rects = calls(natives::drawRect);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(host.natives.back().hash, natives::drawRect);  // the rectangle comes after the texts
    EXPECT_FLOAT_EQ(asFloat(rects[0].args[0]), 125.0f / 1920);
    EXPECT_FLOAT_EQ(asFloat(rects[0].args[1]), (60.0f + 29.75f / 2) / 1080);
    EXPECT_FLOAT_EQ(asFloat(rects[0].args[2]), 240.0f / 1920);
    EXPECT_FLOAT_EQ(asFloat(rects[0].args[3]), 29.75f / 1080);
    EXPECT_EQ(std::vector<uint64_t>(rects[0].args.begin() + 4, rects[0].args.end()),
              (std::vector<uint64_t>{80, 80, 80, 235}));
    EXPECT_EQ(calls(natives::setTextColour)[0].args, (std::vector<uint64_t>{245, 245, 245, 255}));
}

TEST_F(MenuLineTest, HighlightedAndTitleStyles) {
    drawMenuLine("Units", "", 3, 250, true);
    EXPECT_NEAR(asFloat(calls(natives::setTextScale)[0].args[1]), 0.37f * 900 / 1080, 1e-6);
    EXPECT_EQ(calls(natives::setTextColour)[0].args, (std::vector<uint64_t>{0, 0, 0, 255}));
    auto rect = calls(natives::drawRect)[0];
    EXPECT_FLOAT_EQ(asFloat(rect.args[1]), (60.0f + 3 * 32.725f + 29.75f / 2) / 1080);
    EXPECT_EQ(rect.args[7], 255u);

    testing_host::reset();
    drawMenuLine("Velquist v1.2.3e", "", menuTitleIndex, 240, true);  // title wins
    EXPECT_EQ(calls(natives::setTextFont)[0].args[0], 1u);
    EXPECT_NEAR(asFloat(calls(natives::setTextScale)[0].args[1]), 0.70f * 900 / 1080, 1e-6);
    rect = calls(natives::drawRect)[0];
    EXPECT_FLOAT_EQ(asFloat(rect.args[1]), (12.0f + 45.5f / 2) / 1080);
    EXPECT_FLOAT_EQ(asFloat(calls(natives::endDisplayText)[0].args[0]), 15.0f / 1920);
    EXPECT_EQ(std::vector<uint64_t>(rect.args.begin() + 4, rect.args.end()),
              (std::vector<uint64_t>{0, 0, 0, 255}));
}

// The help box beside the menu.
using HelpLineTest = Menu;

TEST_F(HelpLineTest, BoxStandsBesideTheMenu) {
    drawHelpLine("Select the unit.", 2, 240);
    const auto draw = calls(natives::endDisplayText)[0];
    EXPECT_FLOAT_EQ(asFloat(draw.args[0]), 255.0f / 1920);
    EXPECT_FLOAT_EQ(asFloat(draw.args[1]), (60.0f + 2 * 22.75f + 0.06f * 22.75f) / 1080);
    const auto rect = calls(natives::drawRect)[0];
    EXPECT_FLOAT_EQ(asFloat(rect.args[0]), 500.0f / 1920);
    EXPECT_FLOAT_EQ(asFloat(rect.args[2]), 500.0f / 1920);
    EXPECT_FLOAT_EQ(asFloat(rect.args[3]), 22.75f / 1080);
    EXPECT_EQ(rect.args[7], 160u);
}

// Keys and controller buttons read by the menu.
using MenuInputTest = Menu;

TEST_F(MenuInputTest, KeyFirstThenControl) {
    EXPECT_FALSE(isInputActive(MenuInput::up));
    host.pressedControls = {172};
    EXPECT_TRUE(isInputActive(MenuInput::up));
    host.pressedControls.clear();
    hold(vk::numpad(8));
    const size_t before = host.natives.size();
    EXPECT_TRUE(isInputActive(MenuInput::up));
    EXPECT_EQ(host.natives.size(), before);  // a held key asks no control
}

TEST_F(MenuInputTest, EveryFunctionKeyIsBack) {
    for (uint32_t key = vk::f1; key <= vk::f12; ++key) {
        testing_host::reset();
        hold(key);
        EXPECT_TRUE(pollSelectBack().back) << key;
        EXPECT_FALSE(pollSelectBack().select);
    }
    testing_host::reset();
    hold(vk::numpad(5));
    EXPECT_TRUE(pollSelectBack().select);
}

TEST_F(MenuInputTest, NavigationWrapsAtBothEnds) {
    int32_t selection = 0, wait = 7;
    navigateList(selection, 8, wait);
    EXPECT_EQ(wait, 7);   // nothing held: untouched
    hold(vk::numpad(8));  // up
    navigateList(selection, 8, wait);
    EXPECT_EQ(selection, 7);
    EXPECT_EQ(wait, 150);
    testing_host::reset();
    hold(vk::numpad(2));  // down
    navigateList(selection, 8, wait);
    EXPECT_EQ(selection, 0);
    EXPECT_EQ(sounds(), 1);
}

TEST_F(MenuInputTest, UpAndDownTogetherPlayTwoSoundsAndStay) {
    int32_t selection = 3, wait = 0;
    hold(vk::numpad(8));
    hold(vk::numpad(2));
    navigateList(selection, 8, wait);
    EXPECT_EQ(selection, 3);
    EXPECT_EQ(sounds(), 2);
}

// Changing an item's value.
using AdjustValueTest = Menu;

TEST_F(AdjustValueTest, StepsWrapAndRightWins) {
    int32_t v = 1, wait = 0;
    hold(vk::numpad(6));  // right
    EXPECT_TRUE(adjustValue(v, 0, 1, 5, wait));
    EXPECT_EQ(v, 0);
    EXPECT_EQ(wait, 200);
    v = 1000;
    EXPECT_TRUE(adjustValue(v, -1000, 1000, 400, wait));
    EXPECT_EQ(v, -1000);
    EXPECT_EQ(wait, 2);
    hold(vk::numpad(4));  // left as well: right still wins
    EXPECT_TRUE(adjustValue(v, -1000, 1000, 12, wait));
    EXPECT_EQ(v, -999);
    EXPECT_EQ(wait, 83);
}

TEST_F(AdjustValueTest, LeftWrapsToMaxAndNothingHeldChangesNothing) {
    int32_t v = 0, wait = 9;
    EXPECT_FALSE(adjustValue(v, 0, 1, 5, wait));
    EXPECT_EQ(wait, 9);
    EXPECT_EQ(sounds(), 0);
    hold(vk::numpad(4));
    EXPECT_TRUE(adjustValue(v, 0, 1, 30, wait));
    EXPECT_EQ(v, 1);
    EXPECT_EQ(wait, 33);
    EXPECT_EQ(sounds(), 1);
}

TEST_F(AdjustValueTest, ActionItemWithEqualBoundsStillReportsAChange) {
    int32_t v = 0, wait = 0;
    hold(vk::numpad(6));
    EXPECT_TRUE(adjustValue(v, 0, 0, 5, wait));
    EXPECT_EQ(v, 0);
}

TEST_F(AdjustValueTest, ExtremeValuesDoNotOverflow) {
    int32_t v = INT32_MAX, wait = 0;
    hold(vk::numpad(6));
    EXPECT_TRUE(adjustValue(v, INT32_MIN, INT32_MAX, 0, wait));  // rate 0 taken as 1
    EXPECT_EQ(v, INT32_MIN);
    EXPECT_EQ(wait, 1000);
}

// The help texts of the items.
using HelpTextsTest = Menu;

TEST_F(HelpTextsTest, BlocksHoldTheirLinesAndTheRestIsEmpty) {
    texts.helpLines[18 * 10] = "stale";
    buildHelpTexts();
    // "Menu Key": ten rows, only the first two carry text.
    EXPECT_EQ(texts.helpLines[50], "Choose the F-Key for opening the mod menu to avoid");
    EXPECT_EQ(texts.helpLines[51], "conflicts with other mods.");
    for (int line = 2; line < 10; ++line)
        EXPECT_EQ(texts.helpLines[50 + line], "");
    EXPECT_EQ(texts.helpLines[49], "menu, take a look at the .ini files  to access them.");
    for (int line = 0; line < 10; ++line) {
        EXPECT_EQ(texts.helpLines[line], "");        // block 0
        EXPECT_EQ(texts.helpLines[180 + line], "");  // block 18
    }
    for (const std::string& line : texts.helpLines)
        EXPECT_LE(line.size(), 64u);
    EXPECT_EQ(texts.helpLines[285], "motorcycles.");
}

// Every item over a saved setting names the setting's key and steps within the key row's
// range, so that the menu can set no value the file's reading would replace by the default.
TEST(MenuPagesTest, ItemsOverASettingTakeTheirKeyRowsRange) {
    struct Row {
        const char* key;
        const int32_t* value;
        int32_t minimum, maximum;
    };
    std::vector<Row> rows;
    for (const GeneralKey& r : generalKeys)
        rows.push_back({r.key, &(general.*r.field), r.minimum, r.maximum});
    for (const ProfileKey& r : profileKeys)
        rows.push_back({r.key, &(profile.*r.field), r.minimum, r.maximum});
    size_t keyItems = 0;
    for (int32_t page = 0; page < menuPageCount; ++page) {
        const MenuPage& p = menuPage(page);
        for (int32_t i = 0; i < p.count; ++i) {
            const MenuItem& item = p.items[i];
            const std::string where = std::string(p.title) + " / " + item.label;
            const auto row = std::find_if(rows.begin(), rows.end(),
                                          [&](const Row& r) { return r.value == item.value; });
            if (row == rows.end()) {
                EXPECT_EQ(item.key, nullptr) << where;
                continue;
            }
            ++keyItems;
            ASSERT_NE(item.key, nullptr) << where << " changes a saved setting without its key";
            EXPECT_STREQ(item.key, row->key) << where;
            EXPECT_EQ(item.min, row->minimum) << where;
            EXPECT_EQ(item.max, row->maximum) << where;
        }
    }
    EXPECT_EQ(keyItems, rows.size());  // every key has its item
}

}  // namespace
