// The general settings: menu key, refresh interval and active profile.
#pragma once

#include <cstdint>

namespace velquist {

struct GeneralSettings {
    int32_t menuKey = 10;          // F-key number 1..12 that opens the menu (F10)
    int32_t refreshInterval = 12;  // least ms between two HUD refreshes, 5..50
    int32_t actSetting = 1;        // number of the active profile file, 1..3
};

extern GeneralSettings general;

}  // namespace velquist
