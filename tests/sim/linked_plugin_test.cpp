// The plug-in linked into velquist-sim: each load starts from the state a freshly loaded
// library has, whatever the previous load left behind.
#include <gtest/gtest.h>

#include <filesystem>

#include "analytics/acceleration_test.h"
#include "core/key_state.h"
#include "core/library_entry.h"
#include "core/process_texts.h"
#include "core/schedule.h"
#include "host/sim_host.h"
#include "hud/display_settings.h"
#include "hud/hud_layout.h"
#include "linked_plugin.h"
#include "settings/general_settings.h"
#include "settings/profile_settings.h"
#include "support/sim_process.h"
#include "support/temp_files.h"

namespace fs = std::filesystem;

namespace {

TEST(LinkedPlugin, EachLoadStartsFromTheLoadTimeState) {
    const fs::path dir = temp_files::folderUntilExit();
    fs::create_directory(dir / "Velquist");
    sim::LinkedPlugin plugin;
    std::string error;
    ASSERT_TRUE(plugin.load(dir.string(), error)) << error;
    EXPECT_NE(velquist::pluginModule, nullptr);

    // What a first life of the plug-in might leave behind.
    velquist::keyStates.entries[121] = {123456, 1, 1, 0};
    velquist::schedule.refreshCount = 42;
    velquist::schedule.modEnabled = 0;
    velquist::general.menuKey = 3;
    velquist::texts.currentBrand = "Karin";
    velquist::texts.helpLines[5] = "a help line long enough to live on the heap";
    velquist::profile.hudSize = 150;
    velquist::display.hudScale = 2.25f;
    velquist::layout.mainX = 0.5f;
    velquist::acceleration.testMode = 2;
    plugin.unload();
    // The library is gone, and its process-wide texts with it.
    EXPECT_EQ(velquist::texts.helpLines[5], "");
    EXPECT_EQ(velquist::texts.currentBrand, "Empty");

    ASSERT_TRUE(plugin.load(dir.string(), error)) << error;
    EXPECT_EQ(velquist::keyStates.entries[121].eventTime, 0u);
    EXPECT_EQ(velquist::schedule.refreshCount, velquist::Schedule{}.refreshCount);
    EXPECT_EQ(velquist::schedule.modEnabled, 1);
    EXPECT_EQ(velquist::general.menuKey, 10);
    EXPECT_EQ(velquist::texts.currentBrand, "Empty");
    EXPECT_EQ(velquist::texts.helpLines[5], "");
    EXPECT_EQ(velquist::profile.hudSize, velquist::ProfileSettings{}.hudSize);
    EXPECT_EQ(velquist::display.hudScale, velquist::DisplaySettings{}.hudScale);
    EXPECT_EQ(velquist::layout.mainX, velquist::Layout{}.mainX);
    EXPECT_EQ(velquist::acceleration.testMode, 0);
    EXPECT_NE(sim::host.script, nullptr);  // registered again
    plugin.unload();
    EXPECT_EQ(sim::host.script, nullptr);
}

}  // namespace
