// The keyboard of the play window as the game's keyboard handler sees it: physical keys
// (SDL scancodes, so the keyboard layout does not matter) to Windows virtual-key codes.
#pragma once

#include <cstdint>

namespace sim {

// The virtual-key code of a key, or 0 for a key the tools do not pass on.
uint32_t virtualKeyOf(int sdlScancode);

}  // namespace sim
