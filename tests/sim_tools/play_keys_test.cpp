// The play window's keys as the game's keyboard handler sees them.
#include <gtest/gtest.h>

#include <SDL_scancode.h>

#include <initializer_list>
#include <utility>

#include "tools/play_keys.h"

namespace {

using sim::virtualKeyOf;

// Each scan code with the virtual key the play window sends for it (0: none).
void expectKeys(std::initializer_list<std::pair<SDL_Scancode, uint32_t>> keys) {
    for (const auto& [scancode, vk] : keys)
        EXPECT_EQ(virtualKeyOf(scancode), vk) << "scan code " << scancode;
}

TEST(VirtualKeyTest, LettersDigitsAndFunctionKeys) {
    expectKeys({{SDL_SCANCODE_A, 0x41u},
                {SDL_SCANCODE_W, 0x57u},
                {SDL_SCANCODE_1, 0x31u},
                {SDL_SCANCODE_9, 0x39u},
                {SDL_SCANCODE_0, 0x30u},
                {SDL_SCANCODE_F1, 0x70u},
                {SDL_SCANCODE_F10, 0x79u},
                {SDL_SCANCODE_F12, 0x7Bu}});
}

TEST(VirtualKeyTest, KeypadDigitsAreTheMenusKeys) {
    expectKeys({{SDL_SCANCODE_KP_0, 0x60u},
                {SDL_SCANCODE_KP_1, 0x61u},
                {SDL_SCANCODE_KP_5, 0x65u},
                {SDL_SCANCODE_KP_9, 0x69u}});
}

TEST(VirtualKeyTest, ArrowsAndOtherKeys) {
    expectKeys({{SDL_SCANCODE_LEFT, 0x25u},
                {SDL_SCANCODE_UP, 0x26u},
                {SDL_SCANCODE_DOWN, 0x28u},
                {SDL_SCANCODE_SPACE, 0x20u},
                {SDL_SCANCODE_KP_ENTER, 0x0Du},
                {SDL_SCANCODE_UNKNOWN, 0u},
                {SDL_SCANCODE_F13, 0u}});
}

}  // namespace
