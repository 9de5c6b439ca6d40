#include "menu/menu_input.h"

#include "core/key_state.h"
#include "core/virtual_keys.h"
#include "host/game_controls.h"
#include "menu/game_text.h"

namespace velquist {

namespace {

constexpr int32_t navigationWait = 150;  // ms after a move

bool anyBackKeyHeld() {
    if (keyHeld(vk::numpad(0))) return true;
    for (uint32_t key = vk::f1; key <= vk::f12; ++key)
        if (keyHeld(key)) return true;
    return false;
}

}  // namespace

bool isInputActive(MenuInput input) {
    switch (input) {
        case MenuInput::up:
            return keyHeld(vk::numpad(8)) || isControlPressed(172);
        case MenuInput::down:
            return keyHeld(vk::numpad(2)) || isControlPressed(173);
        case MenuInput::left:
            return keyHeld(vk::numpad(4)) || isControlPressed(174);
        case MenuInput::right:
            return keyHeld(vk::numpad(6)) || isControlPressed(175);
        case MenuInput::select:
            return keyHeld(vk::numpad(5)) || isControlPressed(201);
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
