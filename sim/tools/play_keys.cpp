#include "tools/play_keys.h"

#include <SDL_scancode.h>

#include "core/virtual_keys.h"

namespace sim {

namespace {

namespace vk = velquist::vk;

struct KeyOfScancode {
    SDL_Scancode scancode;
    uint32_t code;
};

// The keys besides letters, digits, F-keys and the keypad's digits.
constexpr KeyOfScancode otherKeys[] = {
    {SDL_SCANCODE_KP_MULTIPLY, vk::numpadMultiply},
    {SDL_SCANCODE_KP_PLUS, vk::numpadAdd},
    {SDL_SCANCODE_KP_MINUS, vk::numpadSubtract},
    {SDL_SCANCODE_KP_PERIOD, vk::numpadDecimal},
    {SDL_SCANCODE_KP_DIVIDE, vk::numpadDivide},
    {SDL_SCANCODE_KP_ENTER, vk::enter},
    {SDL_SCANCODE_RETURN, vk::enter},
    {SDL_SCANCODE_BACKSPACE, vk::backspace},
    {SDL_SCANCODE_TAB, vk::tab},
    {SDL_SCANCODE_ESCAPE, vk::escape},
    {SDL_SCANCODE_SPACE, vk::space},
    {SDL_SCANCODE_PAGEUP, vk::pageUp},
    {SDL_SCANCODE_PAGEDOWN, vk::pageDown},
    {SDL_SCANCODE_END, vk::end},
    {SDL_SCANCODE_HOME, vk::home},
    {SDL_SCANCODE_LEFT, vk::left},
    {SDL_SCANCODE_UP, vk::up},
    {SDL_SCANCODE_RIGHT, vk::right},
    {SDL_SCANCODE_DOWN, vk::down},
    {SDL_SCANCODE_INSERT, vk::insert},
    {SDL_SCANCODE_DELETE, vk::del},
    {SDL_SCANCODE_LSHIFT, vk::shift},
    {SDL_SCANCODE_RSHIFT, vk::shift},
    {SDL_SCANCODE_LCTRL, vk::control},
    {SDL_SCANCODE_RCTRL, vk::control},
    {SDL_SCANCODE_LALT, vk::alt},
    {SDL_SCANCODE_RALT, vk::alt},
};

}  // namespace

uint32_t virtualKeyOf(int scancode) {
    const auto s = static_cast<SDL_Scancode>(scancode);
    if (s >= SDL_SCANCODE_A && s <= SDL_SCANCODE_Z) return 'A' + (s - SDL_SCANCODE_A);
    // SDL puts 0 after 9 on the top row, and KP_0 after KP_9.
    if (s >= SDL_SCANCODE_1 && s <= SDL_SCANCODE_9) return '1' + (s - SDL_SCANCODE_1);
    if (s == SDL_SCANCODE_0) return '0';
    if (s >= SDL_SCANCODE_F1 && s <= SDL_SCANCODE_F12)
        return vk::functionKey(1 + (s - SDL_SCANCODE_F1));
    if (s >= SDL_SCANCODE_KP_1 && s <= SDL_SCANCODE_KP_9)
        return vk::numpad(1 + (s - SDL_SCANCODE_KP_1));
    if (s == SDL_SCANCODE_KP_0) return vk::numpad(0);
    for (const KeyOfScancode& k : otherKeys)
        if (k.scancode == s) return k.code;
    return 0;
}

}  // namespace sim
