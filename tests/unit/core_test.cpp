// The plug-in core: key-state table, library entry, frame schedule and main loop.
#include <gtest/gtest.h>

#include "core/hud_script.h"
#include "core/key_state.h"
#include "core/library_entry.h"
#include "core/process_texts.h"
#include "core/schedule.h"
#include "core/virtual_keys.h"
#include "host/natives.h"
#include "hud/display_settings.h"
#include "hud/hud_layout.h"
#include "settings/general_settings.h"
#include "settings/profile_settings.h"
#include "support/game_folder.h"
#include "support/plugin_test.h"
#include "support/test_host.h"

using namespace velquist;
using testing_host::host;

namespace {

constexpr uint32_t vkF10 = vk::functionKey(10);

void press(uint32_t key) {
    onKeyboardEvent(key, 1, 0, 0, 0, 0, 0);
}
void release(uint32_t key) {
    onKeyboardEvent(key, 1, 0, 0, 0, 1, 1);
}

using Core = testing_host::PluginTest;

// Runs n frames.
void frames(int n) {
    for (int i = 0; i < n; ++i)
        frameStep();
}

// The key-state table the keyboard handler fills.
using KeyStateTableTest = Core;

TEST_F(KeyStateTableTest, CodesFrom255OnChangeNothing) {
    onKeyboardEvent(255, 1, 0, 0, 1, 1, 0);
    onKeyboardEvent(0xFFFFFFFF, 1, 0, 0, 1, 1, 0);
    for (const KeyState& e : keyStates.entries) {
        EXPECT_EQ(e.eventTime, 0u);
        EXPECT_EQ(e.altDown, 0);
        EXPECT_EQ(e.wasDown, 0);
    }
    EXPECT_FALSE(keyHeld(255));
}

TEST_F(KeyStateTableTest, Code254IsStoredWithItsFlags) {
    host.tick = 123456;
    onKeyboardEvent(254, 3, 9, 1, 1, 1, 0);
    const KeyState& e = keyStates.entries[254];
    EXPECT_EQ(e.eventTime, 123456u);
    EXPECT_EQ(e.altDown, 1);
    EXPECT_EQ(e.wasDown, 1);
    EXPECT_EQ(e.released, 0);
    EXPECT_TRUE(keyHeld(254));
}

TEST_F(KeyStateTableTest, ReleaseIsNeverHeld) {
    press(0x65);
    release(0x65);
    EXPECT_FALSE(keyHeld(0x65));
    host.tick += 1;
    EXPECT_FALSE(keyHeld(0x65));
}

TEST_F(KeyStateTableTest, UnreleasedKeyIsHeldFor5000msFromItsLastEvent) {
    press(vkF10);
    host.tick += 4999;
    EXPECT_TRUE(keyHeld(vkF10));
    host.tick += 1;  // eventTime + 5000: no longer held
    EXPECT_FALSE(keyHeld(vkF10));

    // A repeated key-down renews the event time.
    press(vkF10);
    host.tick += 4000;
    press(vkF10);
    host.tick += 4000;
    EXPECT_TRUE(keyHeld(vkF10));
}

TEST_F(KeyStateTableTest, EntryNeverWrittenIsNeverHeld) {
    host.tick = 5000;
    EXPECT_FALSE(keyHeld(0x41));
    // Not in the first 5 s of the tick count either (after a wrap), although its zero
    // event time would then look recent.
    host.tick = 4999;
    EXPECT_FALSE(keyHeld(0x41));
    host.tick = 0;
    EXPECT_FALSE(keyHeld(0x41));
}

TEST_F(KeyStateTableTest, KeyStaysHeldAcrossTheWrapOfTheTickCount) {
    host.tick = 0xFFFFFF00u;
    press(vkF10);
    host.tick = 0x00000100u;  // 512 ms later, after the wrap
    EXPECT_TRUE(keyHeld(vkF10));
    host.tick = 0xFFFFFF00u + keyHoldTimeout;
    EXPECT_FALSE(keyHeld(vkF10));
}

// Attaching to and detaching from the host.
using LibraryEntryTest = Core;

TEST_F(LibraryEntryTest, AttachRegistersScriptThenKeyboard) {
    EXPECT_TRUE(libraryEntry(&host, reasonProcessAttach));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"scriptRegister", "keyboardHandlerRegister"}));
    EXPECT_EQ(pluginModule, &host);
}

TEST_F(LibraryEntryTest, DetachUnregistersScriptThenKeyboard) {
    EXPECT_TRUE(libraryEntry(&host, reasonProcessDetach));
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"scriptUnregister", "keyboardHandlerUnregister"}));
}

TEST_F(LibraryEntryTest, ThreadNotificationsDoNothing) {
    EXPECT_TRUE(libraryEntry(&host, 2));  // thread attach
    EXPECT_TRUE(libraryEntry(&host, 3));  // thread detach
    EXPECT_TRUE(host.calls.empty());
}

// One frame: when a refresh is due, and the controls an open menu disables.
using FrameStepTest = Core;

TEST_F(FrameStepTest, FirstFrameRefreshesAtOnceWithElapsedEqualToTheTick) {
    frameStep();
    EXPECT_EQ(schedule.refreshCount, 1u);
    EXPECT_EQ(schedule.refreshElapsed, 100000);
    EXPECT_EQ(schedule.lastRefreshTime, 100000u);
    EXPECT_EQ(host.frames, 1);  // one yield per frame
}

TEST_F(FrameStepTest, RefreshOnFirstFrame12msOrMoreAfterThePrevious) {
    host.frameTime = 5;
    frameStep();  // refresh at 100000
    std::vector<uint32_t> refreshTicks;
    for (int i = 0; i < 12; ++i) {
        const uint32_t before = schedule.refreshCount;
        const uint32_t now = host.tick;
        frameStep();
        if (schedule.refreshCount != before) refreshTicks.push_back(now);
    }
    // Frames at +5, +10, +15, ...: refreshes at +15, +30, +45, +60.
    EXPECT_EQ(refreshTicks, (std::vector<uint32_t>{100015, 100030, 100045, 100060}));
    EXPECT_EQ(schedule.refreshCount, 5u);  // advanced only on refresh frames
    EXPECT_EQ(schedule.refreshElapsed, 15);
}

TEST_F(FrameStepTest, FramesLongerThanTheIntervalRefreshEveryFrame) {
    host.frameTime = 13;
    frames(10);
    EXPECT_EQ(schedule.refreshCount, 10u);
    EXPECT_EQ(schedule.refreshElapsed, 13);
}

TEST_F(FrameStepTest, LongerIntervalSpacesTheRefreshes) {
    general.refreshInterval = 50;
    host.frameTime = 16;
    frameStep();  // 100000: refresh
    frames(3);    // 100016, 100032, 100048: none
    EXPECT_EQ(schedule.refreshCount, 1u);
    frameStep();  // 100064: refresh
    EXPECT_EQ(schedule.refreshCount, 2u);
    EXPECT_EQ(schedule.refreshElapsed, 64);
}

TEST_F(FrameStepTest, RefreshIsDueAcrossTheWrapOfTheTickCount) {
    host.tick = 0xFFFFFFF8u;
    frameStep();  // refresh at -8
    EXPECT_EQ(schedule.refreshCount, 1u);
    host.frameTime = 5;
    frameStep();  // -8 + 16 = 8: 16 ms after
    EXPECT_EQ(schedule.refreshCount, 2u);
    EXPECT_EQ(schedule.refreshElapsed, 16);
    frameStep();  // 13: only 5 ms after
    EXPECT_EQ(schedule.refreshCount, 2u);
}

TEST_F(FrameStepTest, FirstRefreshLateInTheTickCountHasTheLongestElapsedNotANegativeOne) {
    host.tick = 0x80000000u;  // the machine has run for 24.8 days
    frameStep();
    EXPECT_EQ(schedule.refreshElapsed, INT32_MAX);
    host.tick = 0xFFFFFFF0u;
    schedule = Schedule{};
    frameStep();
    EXPECT_EQ(schedule.refreshElapsed, INT32_MAX);
    frameStep();  // 16 ms later, across the wrap
    EXPECT_EQ(schedule.refreshElapsed, 16);
}

TEST_F(FrameStepTest, ModDisabledMeansNoRefresh) {
    schedule.modEnabled = 0;
    frames(5);
    EXPECT_EQ(schedule.refreshCount, 0u);
    EXPECT_EQ(host.frames, 5);
}

TEST_F(FrameStepTest, OpenMenuDisablesTheEighteenControlsInOrder) {
    schedule.menuOpen = true;
    schedule.modEnabled = 0;  // controls are disabled whether or not the HUD runs
    frameStep();
    const std::vector<uint64_t> expected = {21,  114, 73, 199, 24, 257, 263, 264, 140,
                                            141, 142, 80, 27,  85, 119, 19,  74,  48};
    ASSERT_EQ(host.natives.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(host.natives[i].hash, natives::disableControlAction);
        EXPECT_EQ(host.natives[i].args, (std::vector<uint64_t>{2, expected[i], 1}));
    }
    schedule.menuOpen = false;
    frameStep();
    EXPECT_EQ(host.natives.size(), expected.size());
}

// The script loop: frames, and the menu key between them.
using MainLoopTest = Core;

TEST_F(MainLoopTest, PassWithoutTheMenuKeyRunsOneFrame) {
    mainLoopPass();
    EXPECT_EQ(host.frames, 1);
}

size_t disabledControls() {
    return static_cast<size_t>(testing_host::callsOf(natives::disableControlAction));
}

// A menu key still held at the menu's first poll, 150 ms (10 frames) after it opened,
// counts as back and closes it; 200 ms (13 frames) pass before the key is tested again,
// then the pass's own frame.
constexpr int menuOpenedAndClosedFrames = 10 + 13 + 1;

TEST_F(MainLoopTest, HeldMenuKeyOpensTheMenuThenPauses200ms) {
    press(vkF10);
    mainLoopPass();
    EXPECT_EQ(host.frames, menuOpenedAndClosedFrames);
    EXPECT_EQ(host.tick, 100000u + menuOpenedAndClosedFrames * 16);
    EXPECT_FALSE(schedule.menuOpen);
    // Controls were disabled on the menu's 10 frames, and on none after it closed.
    EXPECT_EQ(disabledControls(), 18u * 10);

    // The key is tested again on the next pass.
    mainLoopPass();
    EXPECT_EQ(host.frames, 2 * menuOpenedAndClosedFrames);
    release(vkF10);
    mainLoopPass();
    EXPECT_EQ(host.frames, 2 * menuOpenedAndClosedFrames + 1);
    EXPECT_EQ(disabledControls(), 2 * 18u * 10);
}

TEST_F(MainLoopTest, MenuKeySettingChoosesTheFunctionKey) {
    general.menuKey = 12;
    press(vkF10);
    mainLoopPass();
    EXPECT_EQ(host.frames, 1);  // F10 is not the menu key any more
    press(123);                 // F12
    mainLoopPass();
    EXPECT_EQ(host.frames, 1 + menuOpenedAndClosedFrames);
}

TEST_F(MainLoopTest, PauseAfterTheMenuSurvivesTheWrapOfTheTickCount) {
    host.tick = 0xFFFFFF80u;
    press(vkF10);
    mainLoopPass();
    EXPECT_EQ(host.frames, menuOpenedAndClosedFrames);
}

// Start-up: what is read before the first frame.
using StartUpTest = Core;

TEST_F(StartUpTest, ReadsTheBrandNamesAndTheActiveProfile) {
    const testing_host::GameFolder folder;
    folder.write("settingsBrands.ini", "[BRAND]\nbrand0=Generic\nbrand2=Two\n");
    folder.write("settings1.ini", "[PLACEMENT]\nhudSize=50\n");
    folder.write("settings3.ini", "[PLACEMENT]\nhudSize=100\nmainOffsetX=500\n");
    folder.write("settingsGeneral.ini", "[GENERAL]\nactSetting=3\n");
    startUp();
    EXPECT_EQ(schedule.loadedProfile, 3);
    EXPECT_EQ(texts.brandNames[0], "Generic");
    EXPECT_EQ(texts.brandNames[1], "Empty");
    EXPECT_EQ(texts.brandNames[2], "Two");
    EXPECT_EQ(profile.hudSize, 100);
    EXPECT_EQ(profile.mainOffsetY, 920);
    EXPECT_EQ(display.hudScale, 1.0f);
    EXPECT_EQ(layout.aspectRatio, 1.0f);
    EXPECT_EQ(layout.mainX, 0.5f);
}

}  // namespace
