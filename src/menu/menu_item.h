// One row of a menu page and the text that shows its value.
#pragma once

#include <cstdint>
#include <string>

namespace velquist {

// How an item's value is shown.
enum class ItemKind {
    number,         // the value in decimal; empty for an item without a value
    boolean,        // [ON] / [OFF]
    action,         // <do>: stepping it runs the item's action
    functionKey,    // F1 .. F12
    unit,           // MPH, KM/H, KNOTS, M/S
    extraGauge,     // LEFT / ABOVE
    rpm,            // [OFF], Anlg, LED
    factorTen,      // ten times the value
    analyticsMode,  // [OFF], [ONCE], [ON]
};

struct MenuItem {
    const char* label = "";
    ItemKind kind = ItemKind::number;
    int32_t* value = nullptr;   // the setting shown and changed; null for a placeholder
    const char* key = nullptr;  // the key of its settings file; null for values no file holds
    int32_t min = 0;            // smallest value, inclusive: the key row's for a key
    int32_t max = 0;            // largest value, inclusive: the key row's for a key
    int32_t rate = 1;           // steps per second while left or right is held
    int32_t help = 0;           // help block shown while select is held; 0 = none
};

// The value text of an item of this kind; a value the kind has no word for shows SPECIAL.
std::string formatValue(ItemKind kind, const int32_t* value);

}  // namespace velquist
