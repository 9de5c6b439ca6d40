#include "tools/play_keys.h"

#include <SDL_scancode.h>

namespace sim {

uint32_t virtualKeyOf(int scancode) {
    const auto s = static_cast<SDL_Scancode>(scancode);
    if (s >= SDL_SCANCODE_A && s <= SDL_SCANCODE_Z) return 'A' + (s - SDL_SCANCODE_A);
    // SDL puts 0 after 9 on the top row; the codes run 0x30 ('0') to 0x39.
    if (s >= SDL_SCANCODE_1 && s <= SDL_SCANCODE_9) return '1' + (s - SDL_SCANCODE_1);
    if (s == SDL_SCANCODE_0) return '0';
    if (s >= SDL_SCANCODE_F1 && s <= SDL_SCANCODE_F12) return 0x70 + (s - SDL_SCANCODE_F1);
    // The keypad's digits are 0x60..0x69; SDL puts KP_0 after KP_9.
    if (s >= SDL_SCANCODE_KP_1 && s <= SDL_SCANCODE_KP_9) return 0x61 + (s - SDL_SCANCODE_KP_1);
    switch (s) {
        case SDL_SCANCODE_KP_0:
            return 0x60;
        case SDL_SCANCODE_KP_MULTIPLY:
            return 0x6A;
        case SDL_SCANCODE_KP_PLUS:
            return 0x6B;
        case SDL_SCANCODE_KP_MINUS:
            return 0x6D;
        case SDL_SCANCODE_KP_PERIOD:
            return 0x6E;
        case SDL_SCANCODE_KP_DIVIDE:
            return 0x6F;
        case SDL_SCANCODE_KP_ENTER:
            return 0x0D;
        case SDL_SCANCODE_RETURN:
            return 0x0D;
        case SDL_SCANCODE_BACKSPACE:
            return 0x08;
        case SDL_SCANCODE_TAB:
            return 0x09;
        case SDL_SCANCODE_ESCAPE:
            return 0x1B;
        case SDL_SCANCODE_SPACE:
            return 0x20;
        case SDL_SCANCODE_PAGEUP:
            return 0x21;
        case SDL_SCANCODE_PAGEDOWN:
            return 0x22;
        case SDL_SCANCODE_END:
            return 0x23;
        case SDL_SCANCODE_HOME:
            return 0x24;
        case SDL_SCANCODE_LEFT:
            return 0x25;
        case SDL_SCANCODE_UP:
            return 0x26;
        case SDL_SCANCODE_RIGHT:
            return 0x27;
        case SDL_SCANCODE_DOWN:
            return 0x28;
        case SDL_SCANCODE_INSERT:
            return 0x2D;
        case SDL_SCANCODE_DELETE:
            return 0x2E;
        case SDL_SCANCODE_LSHIFT:
        case SDL_SCANCODE_RSHIFT:
            return 0x10;
        case SDL_SCANCODE_LCTRL:
        case SDL_SCANCODE_RCTRL:
            return 0x11;
        case SDL_SCANCODE_LALT:
        case SDL_SCANCODE_RALT:
            return 0x12;
        default:
            return 0;
    }
}

}  // namespace sim
