// The virtual-key codes of the host's keyboard events that the plug-in and its tools name:
// the function keys and the keypad, which work the HUD's menu, and the keys the simulator's
// play window passes on. Letters and digits have their upper-case ASCII character as code
// ('A' is 0x41, '0' is 0x30) and are not listed.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velquist::vk {

// F1 .. F12 run from f1 in order, as the keypad's digits do from numpad0.
inline constexpr uint32_t f1 = 0x70;
inline constexpr int32_t functionKeyCount = 12;
inline constexpr uint32_t numpad0 = 0x60;

// The code of function key Fn, n in 1 .. functionKeyCount.
constexpr uint32_t functionKey(int32_t n) {
    return f1 + static_cast<uint32_t>(n - 1);
}
// The code of the keypad's digit d, 0 .. 9.
constexpr uint32_t numpad(int32_t digit) {
    return numpad0 + static_cast<uint32_t>(digit);
}

inline constexpr uint32_t f12 = functionKey(functionKeyCount);

// The rest of the keypad.
inline constexpr uint32_t numpadMultiply = 0x6A;
inline constexpr uint32_t numpadAdd = 0x6B;
inline constexpr uint32_t numpadSubtract = 0x6D;
inline constexpr uint32_t numpadDecimal = 0x6E;
inline constexpr uint32_t numpadDivide = 0x6F;

// Keys of the main block.
inline constexpr uint32_t backspace = 0x08;
inline constexpr uint32_t tab = 0x09;
inline constexpr uint32_t enter = 0x0D;  // either Enter key
inline constexpr uint32_t shift = 0x10;  // either Shift key, as are Control and Alt
inline constexpr uint32_t control = 0x11;
inline constexpr uint32_t alt = 0x12;
inline constexpr uint32_t escape = 0x1B;
inline constexpr uint32_t space = 0x20;
inline constexpr uint32_t pageUp = 0x21;
inline constexpr uint32_t pageDown = 0x22;
inline constexpr uint32_t end = 0x23;
inline constexpr uint32_t home = 0x24;
inline constexpr uint32_t left = 0x25;
inline constexpr uint32_t up = 0x26;
inline constexpr uint32_t right = 0x27;
inline constexpr uint32_t down = 0x28;
inline constexpr uint32_t insert = 0x2D;
inline constexpr uint32_t del = 0x2E;

// The names keys go by in the menu, the scenario language and messages.
struct KeyName {
    const char* name;
    uint32_t code;
};

inline constexpr std::array<KeyName, 22> keyNames = {{
    {"F1", functionKey(1)},   {"F2", functionKey(2)},   {"F3", functionKey(3)},
    {"F4", functionKey(4)},   {"F5", functionKey(5)},   {"F6", functionKey(6)},
    {"F7", functionKey(7)},   {"F8", functionKey(8)},   {"F9", functionKey(9)},
    {"F10", functionKey(10)}, {"F11", functionKey(11)}, {"F12", functionKey(12)},
    {"NUMPAD0", numpad(0)},   {"NUMPAD1", numpad(1)},   {"NUMPAD2", numpad(2)},
    {"NUMPAD3", numpad(3)},   {"NUMPAD4", numpad(4)},   {"NUMPAD5", numpad(5)},
    {"NUMPAD6", numpad(6)},   {"NUMPAD7", numpad(7)},   {"NUMPAD8", numpad(8)},
    {"NUMPAD9", numpad(9)},
}};

// The name of a code, or null for a code the table does not name.
constexpr const char* keyName(uint32_t code) {
    for (const KeyName& k : keyNames)
        if (k.code == code) return k.name;
    return nullptr;
}

// The code of a name (exactly as the table writes it), or 0 for any other text.
constexpr uint32_t keyCode(std::string_view name) {
    for (const KeyName& k : keyNames)
        if (name == k.name) return k.code;
    return 0;
}

}  // namespace velquist::vk
