// The session behind the play window, without a window: held keys drive and repeat,
// number keys change the vehicle, F10 and the keypad reach the plug-in's menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/key_state.h"
#include "core/virtual_keys.h"
#include "host/sim_host.h"
#include "render/renderer.h"
#include "tools/play_session.h"
#include "world/world.h"

namespace {

constexpr uint32_t vkF10 = velquist::vk::functionKey(10), vkNumpad2 = velquist::vk::numpad(2),
                   vkNumpad5 = velquist::vk::numpad(5), vkNumpad6 = velquist::vk::numpad(6);

class Session : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(session.start(error)) << error;
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i)
            session.frame();
    }
    static bool shows(const std::string& text) {
        return std::any_of(sim::host.frameTexts.begin(), sim::host.frameTexts.end(),
                           [&](const sim::TextRecord& t) { return t.text == text; });
    }

    sim::PlaySession session{sim::PlayOptions{"", 960, 540}};
};

using PlaySessionTest = Session;

TEST_F(PlaySessionTest, HeldThrottleDrivesTheCarAndTheOverlayTellsIt) {
    ASSERT_NE(sim::world.player.vehicle, nullptr);
    EXPECT_EQ(sim::world.player.vehicle->name, "car");
    session.keyDown('W');
    frames(60);
    const float fast = sim::world.player.vehicle->speed;
    EXPECT_GT(fast, 5.0f);
    EXPECT_GE(sim::world.player.vehicle->gear, 1);
    session.keyUp('W');
    session.keyDown('S');
    frames(30);
    EXPECT_LT(sim::world.player.vehicle->speed, fast);
    EXPECT_EQ(session.overlay().rfind("car ADDER", 0), 0u) << session.overlay();
    EXPECT_NE(session.overlay().find("km/h"), std::string::npos);
}

TEST_F(PlaySessionTest, NumberKeysChangeTheVehicle) {
    const char* names[] = {"bicycle", "boat", "car", "plane", "train"};
    for (int i = 4; i >= 0; --i) {
        session.keyDown(static_cast<uint32_t>('1' + i));
        session.keyUp(static_cast<uint32_t>('1' + i));
        frames(1);
        ASSERT_NE(sim::world.player.vehicle, nullptr);
        EXPECT_EQ(sim::world.player.vehicle->name, names[i]);
    }
}

TEST_F(PlaySessionTest, HeldKeysRepeatEveryThirtyMilliseconds) {
    session.keyDown(vkNumpad2);
    const uint32_t pressed = sim::host.tick;
    frames(20);  // 320 ms
    const uint32_t last = velquist::keyStates.entries[vkNumpad2].eventTime;
    EXPECT_GT(last, pressed + 250);
    EXPECT_TRUE(velquist::keyHeld(vkNumpad2));
    session.keyUp(vkNumpad2);
    frames(1);
    EXPECT_FALSE(velquist::keyHeld(vkNumpad2));
}

TEST_F(PlaySessionTest, QuickTapIsSeenByTheNextFrame) {
    session.keyDown(vkNumpad2);
    session.keyUp(vkNumpad2);  // before any frame
    EXPECT_TRUE(velquist::keyHeld(vkNumpad2));
    frames(1);
    EXPECT_FALSE(velquist::keyHeld(vkNumpad2));
}

TEST_F(PlaySessionTest, F10OpensTheMenuAndTheKeypadWorksIt) {
    frames(5);
    EXPECT_FALSE(shows("Toggle HUD"));
    session.keyDown(vkF10);
    session.keyUp(vkF10);
    frames(6);
    EXPECT_TRUE(shows("Toggle HUD"));
    EXPECT_TRUE(shows("Analytics"));
    // The picture holds the frame and the overlay line.
    cairo_surface_t* picture = session.picture();
    EXPECT_EQ(cairo_image_surface_get_width(picture), 960);
    EXPECT_EQ(cairo_image_surface_get_height(picture), 540);
}

// The window shows every frame: image reloads keep one decoded image of each file.
TEST_F(PlaySessionTest, ImageReloadsKeepOneDecodedImageOfEachFile) {
    auto tap = [&](uint32_t vk) {
        session.keyDown(vk);
        session.keyUp(vk);
        for (int i = 0; i < 16; ++i) {  // past every wait of the menu
            session.frame();
            session.picture();
        }
    };
    frames(200);  // the cluster has faded in
    tap(vkF10);
    tap(vkNumpad5);  // General
    tap(vkNumpad2);  // Reload Images
    tap(vkNumpad6);
    const int firstId = sim::host.nextTextureId;
    const size_t decoded = sim::renderer().decodedTextures();
    EXPECT_GT(decoded, 5u);
    for (int reload = 1; reload < 20; ++reload)
        tap(vkNumpad6);
    EXPECT_EQ(sim::host.nextTextureId - firstId, 19 * 151);
    EXPECT_EQ(sim::renderer().decodedTextures(), decoded);
}

}  // namespace
