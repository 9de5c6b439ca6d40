// The key table of the general settings file (settingsGeneral.ini, section GENERAL): the
// three keys with their default, accepted range and the comment written behind each
// value, in the order the file lists them.
#pragma once

#include <array>
#include <cstdint>

#include "settings/data_files.h"
#include "settings/general_settings.h"
#include "settings/key_row.h"

namespace velquist {

constexpr const char* generalFileName = data_files::general.name;
constexpr const char* generalSection = "GENERAL";

using GeneralKey = KeyRow<GeneralSettings>;

inline constexpr std::array<GeneralKey, 3> generalKeys = {{
    {generalSection, "menuKey", &GeneralSettings::menuKey, 10, 1, 12,
     ";\t\tF1-F12 Key to open the mod menu.\t\t (10) < 1-12>"},
    {generalSection, "refreshInterval", &GeneralSettings::refreshInterval, 12, 5, 50,
     ";\tRefresh interval in ms, affects fps\t\t (12) < 5-50>"},
    {generalSection, "actSetting", &GeneralSettings::actSetting, 1, 1, 3,
     ";\t\tWhich settingsX.ini is active\t\t\t ( 1) < 1- 3>"},
}};
static_assert(defaultsAgree(generalKeys), "general key table and GeneralSettings disagree");

}  // namespace velquist
