// The general settings (settingsGeneral.ini, section GENERAL): which F-key opens the menu,
// how often the HUD refreshes and which profile file is active. Read once at start-up,
// written when the player leaves the menu's General page.
#pragma once

#include <cstdint>

namespace velquist {

struct GeneralSettings {
    int32_t menuKey = 10;          // F-key number 1..12 that opens the menu (F10)
    int32_t refreshInterval = 12;  // least ms between two HUD refreshes, 5..50
    int32_t actSetting = 1;        // number of the active profile file, 1..3
};

extern GeneralSettings general;

constexpr const char* generalSection = "GENERAL";

struct GeneralKey {
    const char* key;
    int32_t GeneralSettings::*field;  // the in-memory value of the key
    int32_t defaultValue;             // taken when the key is missing or out of range
    int32_t minimum;                  // inclusive
    int32_t maximum;                  // inclusive
    const char* comment;              // written straight behind the value
};

// The file's keys in the order they are read and written.
inline constexpr GeneralKey generalKeys[] = {
    {"menuKey", &GeneralSettings::menuKey, 10, 1, 12,
     ";\t\tF1-F12 Key to open the mod menu.\t\t (10) < 1-12>"},
    {"refreshInterval", &GeneralSettings::refreshInterval, 12, 5, 50,
     ";\tRefresh interval in ms, affects fps\t\t (12) < 5-50>"},
    {"actSetting", &GeneralSettings::actSetting, 1, 1, 3,
     ";\t\tWhich settingsX.ini is active\t\t\t ( 1) < 1- 3>"},
};

// Reads the three settings; a missing file, a missing key or a value outside its range
// gives that key's default, the other keys keep theirs.
void readGeneralSettings();

// Stores the three settings, each with the comment that explains it. The file is created
// if missing (but never its folder); keys and lines added by hand are kept.
void writeGeneralSettings();

}  // namespace velquist
