// The key-state table the keyboard handler fills and the keyHeld test that the main
// loop and the menu read keys with.
#pragma once

#include <cstdint>

namespace velquist {

struct KeyState {
    uint32_t eventTime = 0;  // tick count (ms) of the key's last event
    int32_t altDown = 0;     // the Alt key was held (stored, never read)
    int32_t wasDown = 0;     // the key was already down before the event (stored, never read)
    int32_t released = 0;    // the last event was the key's release
};

// One entry per virtual-key code 0..254; code 255 and above has no entry.
constexpr uint32_t keyStateCount = 255;

// How long a key reads as held after its last key-down event when no release comes (ms).
constexpr uint32_t keyHoldTimeout = 5000;

struct KeyStateTable {
    KeyState entries[keyStateCount] = {};
    // Whether the key ever had an event. An entry without one is never held, also in the
    // first 5 s after the tick count wraps, when its zero event time would look recent.
    bool written[keyStateCount] = {};
};

extern KeyStateTable keyStates;

// The keyboard handler registered with the host; only writes keyStates and lets no
// exception out.
void onKeyboardEvent(uint32_t key, uint16_t repeats, uint8_t scanCode, int isExtended,
                     int isWithAlt, int wasDownBefore, int isUpNow);

// True while the key's last event is a press younger than keyHoldTimeout ms.
bool keyHeld(uint32_t key);

}  // namespace velquist
