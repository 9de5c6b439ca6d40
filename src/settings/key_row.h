// A row of a settings file's key table: one integer key with its section, the in-memory
// value it fills, its default, accepted range and the comment written behind its value.
// The key tables (general_keys.h, profile_keys.h) are the one owner of these facts: the
// readers and writers of the files, the menu, the folder check and the player's readme all
// take them from the rows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace velquist {

template <class Settings>
struct KeyRow {
    const char* section;
    const char* key;
    int32_t Settings::*field;  // the in-memory value of the key
    int32_t defaultValue;      // taken when the key is missing or out of range
    int32_t minimum;           // inclusive
    int32_t maximum;           // inclusive
    const char* comment;       // written straight behind the value; the "(n)" in it is only text
};

// Whether every row's default is the one a fresh Settings holds and lies inside the row's
// range: otherwise a reset value and a value read from an empty file would differ.
template <class Settings, size_t N>
constexpr bool defaultsAgree(const std::array<KeyRow<Settings>, N>& table) {
    constexpr Settings fresh{};
    for (const KeyRow<Settings>& row : table) {
        if (fresh.*row.field != row.defaultValue) return false;
        if (row.defaultValue < row.minimum || row.defaultValue > row.maximum) return false;
    }
    return true;
}

// The row of a field. Asked at compile time (the menu's items), a field the table does not
// hold stops the build.
template <class Settings, size_t N>
constexpr const KeyRow<Settings>& keyRowOf(const std::array<KeyRow<Settings>, N>& table,
                                           int32_t Settings::*field) {
    for (const KeyRow<Settings>& row : table)
        if (row.field == field) return row;
    throw "the key table has no row for this field";
}

}  // namespace velquist
