// The menu's inputs: each from a numpad key or, when the key is not held, a control of
// pad 2; list navigation and value stepping with their sounds and repeat waits.
#pragma once

#include <cstdint>

namespace velquist {

enum class MenuInput { up, down, left, right, select, back };

// Held key first, then the pressed control.
bool isInputActive(MenuInput input);

struct SelectBack {
    bool select = false;
    bool back = false;
};
SelectBack pollSelectBack();

// Moves the highlighted index with up and down (both read before either acts; both
// together play two sounds and cancel out); sets waitTime to 150 ms after a move.
void navigateList(int32_t& selection, int32_t count, int32_t& waitTime);

// Steps value with right (wins) or left, wrapping at both ends; returns whether it did,
// and then sets waitTime to 1000 / rate ms.
bool adjustValue(int32_t& value, int32_t min, int32_t max, int32_t rate, int32_t& waitTime);

}  // namespace velquist
