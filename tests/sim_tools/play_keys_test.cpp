// The play window's keys as the game's keyboard handler sees them.
#include <gtest/gtest.h>

#include <SDL_scancode.h>

#include "tools/play_keys.h"

namespace {

using sim::virtualKeyOf;

TEST(VirtualKeyTest, LettersDigitsAndFunctionKeys) {
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_A), 0x41u);
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_W), 0x57u);
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_1), 0x31u);
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_9), 0x39u);
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_0), 0x30u);
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_F1), 0x70u);
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_F10), 0x79u);
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_F12), 0x7Bu);
}

TEST(VirtualKeyTest, KeypadDigitsAreTheMenusKeys) {
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_KP_0), 0x60u);
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_KP_1), 0x61u);
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_KP_5), 0x65u);
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_KP_9), 0x69u);
}

TEST(VirtualKeyTest, ArrowsAndOtherKeys) {
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_LEFT), 0x25u);
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_UP), 0x26u);
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_DOWN), 0x28u);
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_SPACE), 0x20u);
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_KP_ENTER), 0x0Du);
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_UNKNOWN), 0u);
    EXPECT_EQ(virtualKeyOf(SDL_SCANCODE_F13), 0u);
}

}  // namespace
