// The game's controls as the plug-in reads them: always through the player's own control
// group (2), which the pad and the keyboard both feed. Control numbers stay with their users
// (the menu's navigation, the handbrake, the cluster's visibility).
#pragma once

#include <cstdint>

#include "host/native_call.h"
#include "host/natives.h"

namespace velquist {

inline constexpr int32_t playerControlGroup = 2;

// Whether the player holds the control.
inline bool isControlPressed(int32_t control) {
    return native::call<bool>(natives::isControlPressed, playerControlGroup, control);
}

// Whether the game lets the player use the control now.
inline bool isControlEnabled(int32_t control) {
    return native::call<bool>(natives::isControlEnabled, playerControlGroup, control);
}

}  // namespace velquist
