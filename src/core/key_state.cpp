#include "core/key_state.h"

#include "host/platform.h"

namespace velquist {

KeyStateTable keyStates;

void onKeyboardEvent(uint32_t key, uint16_t /*repeats*/, uint8_t /*scanCode*/, int /*isExtended*/,
                     int isWithAlt, int wasDownBefore, int isUpNow) {
    if (key >= keyStateCount) return;
    // Called by the host: nothing may leave it (nothing here throws today).
    try {
        KeyState& entry = keyStates.entries[key];
        entry.eventTime = platform::tickCount();
        entry.altDown = isWithAlt;
        entry.wasDown = wasDownBefore;
        entry.released = isUpNow;
        keyStates.written[key] = true;
    } catch (...) {
    }
}

bool keyHeld(uint32_t key) {
    if (key >= keyStateCount) return false;
    if (!keyStates.written[key]) return false;
    const KeyState& entry = keyStates.entries[key];
    // The age of the last event, as a difference, so a key stays held across the wrap
    // of the tick counter.
    return platform::tickCount() - entry.eventTime < keyHoldTimeout && entry.released == 0;
}

}  // namespace velquist
