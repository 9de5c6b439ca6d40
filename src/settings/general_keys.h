// The key table of the general settings file (settingsGeneral.ini, section GENERAL): the
// three keys with their default, accepted range and the comment written behind each
// value, in the order the file lists them.
#pragma once

#include <array>
#include <cstdint>

#include "settings/data_files.h"
#include "settings/general_settings.h"

namespace velquist {

constexpr const char* generalFileName = data_files::general.name;
constexpr const char* generalSection = "GENERAL";

struct GeneralKey {
    const char* key;
    int32_t GeneralSettings::*field;  // the in-memory value of the key
    int32_t defaultValue;             // taken when the key is missing or out of range
    int32_t minimum;                  // inclusive
    int32_t maximum;                  // inclusive
    const char* comment;  // written straight behind the value; the "(n)" in it is only text
};

inline constexpr std::array<GeneralKey, 3> generalKeys = {{
    {"menuKey", &GeneralSettings::menuKey, 10, 1, 12,
     ";\t\tF1-F12 Key to open the mod menu.\t\t (10) < 1-12>"},
    {"refreshInterval", &GeneralSettings::refreshInterval, 12, 5, 50,
     ";\tRefresh interval in ms, affects fps\t\t (12) < 5-50>"},
    {"actSetting", &GeneralSettings::actSetting, 1, 1, 3,
     ";\t\tWhich settingsX.ini is active\t\t\t ( 1) < 1- 3>"},
}};

}  // namespace velquist
