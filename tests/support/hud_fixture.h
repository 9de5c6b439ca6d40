// A fixture for tests of the HUD: a fresh plug-in with the default profile, its display
// values and layout, the cluster's textures loaded into the test host, and a small game
// with the player on foot. Refreshes run as the frame step runs them.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/schedule.h"
#include "hud/display_settings.h"
#include "hud/hud_layout.h"
#include "hud/texture_set.h"
#include "settings/extended_settings.h"
#include "settings/profile_settings.h"
#include "support/fake_game.h"
#include "support/plugin_test.h"
#include "support/refreshes.h"
#include "support/test_host.h"

namespace testing_host {

class HudTest : public FolderTest {
  protected:
    void SetUp() override {
        FolderTest::SetUp();
        game.emplace();
        velquist::readExtendedSettings();  // the defaults: no file
        velquist::deriveDisplaySettings();
        velquist::computeLayout();
        velquist::loadHudTextures();
        clearDraws();
    }
    // The player gets into a car of the class (handle returned); nothing refreshes yet.
    int32_t car(int32_t vehicleClass = 0, int slot = 3) {
        FakeVehicle v;
        v.slot = slot;
        v.model = 0x2000u + static_cast<uint32_t>(slot);
        v.label = "TESTCAR";
        v.vehicleClass = vehicleClass;
        const int32_t handle = game->add(v);
        game->inUse = handle;
        return handle;
    }
    // Refreshes every `elapsed` ms, as the frame step would.
    void refresh(int times = 1, int32_t elapsed = 16) { runRefreshes(times, elapsed); }
    // Runs refreshes until the next one is a 100th, so that the cluster is lit.
    void lightUp() {
        while (velquist::schedule.refreshCount % 100 != 99)
            refresh();
        refresh();
    }
    // The draws of one texture since the last clear.
    std::vector<DrawCall> drawsOf(int32_t id) const {
        std::vector<DrawCall> out;
        for (const DrawCall& d : host.draws)
            if (d.id == id) out.push_back(d);
        return out;
    }
    std::optional<FakeGame> game;
};

}  // namespace testing_host
