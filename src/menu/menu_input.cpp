#include "menu/menu_input.h"

#include "core/key_state.h"
#include "menu/game_text.h"

namespace velquist {

namespace {

constexpr uint32_t vkNumpad0 = 0x60;
constexpr uint32_t vkNumpad2 = 0x62;
constexpr uint32_t vkNumpad4 = 0x64;
constexpr uint32_t vkNumpad5 = 0x65;
constexpr uint32_t vkNumpad6 = 0x66;
constexpr uint32_t vkNumpad8 = 0x68;
constexpr uint32_t vkF1 = 0x70;
constexpr uint32_t vkF12 = 0x7B;

constexpr int32_t navigationWait = 150;  // ms after a move

bool anyBackKeyHeld() {
    if (keyHeld(vkNumpad0)) return true;
    for (uint32_t key = vkF1; key <= vkF12; ++key)
        if (keyHeld(key)) return true;
    return false;
}

}  // namespace

bool isInputActive(MenuInput input) {
    switch (input) {
        case MenuInput::up:
            return keyHeld(vkNumpad8) || isControlPressed(172);
        case MenuInput::down:
            return keyHeld(vkNumpad2) || isControlPressed(173);
        case MenuInput::left:
            return keyHeld(vkNumpad4) || isControlPressed(174);
        case MenuInput::right:
            return keyHeld(vkNumpad6) || isControlPressed(175);
        case MenuInput::select:
            return keyHeld(vkNumpad5) || isControlPressed(201);
        case MenuInput::back:
            // Any F-key leaves a menu level too, the one that opened the menu included.
            return anyBackKeyHeld() || isControlPressed(202);
    }
    return false;
}

SelectBack pollSelectBack() {
    SelectBack r;
    r.select = isInputActive(MenuInput::select);
    r.back = isInputActive(MenuInput::back);
    return r;
}

void navigateList(int32_t& selection, int32_t count, int32_t& waitTime) {
    const bool up = isInputActive(MenuInput::up);
    const bool down = isInputActive(MenuInput::down);
    if (count <= 0) return;
    if (up) {
        playNavSound();
        if (selection == 0) selection = count;
        --selection;
        waitTime = navigationWait;
    }
    if (down) {
        playNavSound();
        if (++selection >= count) selection = 0;
        waitTime = navigationWait;
    }
}

bool adjustValue(int32_t& value, int32_t min, int32_t max, int32_t rate, int32_t& waitTime) {
    if (isInputActive(MenuInput::right)) {
        value = value >= max ? min : value + 1;
    } else if (isInputActive(MenuInput::left)) {
        value = value <= min ? max : value - 1;
    } else {
        return false;
    }
    playNavSound();
    waitTime = 1000 / (rate > 0 ? rate : 1);
    return true;
}

}  // namespace velquist
