#include "settings/general_settings.h"

#include <string>

#include "settings/ini_access.h"

namespace velquist {

GeneralSettings general;

namespace {

constexpr const char* section = "GENERAL";

// Written right behind each value: the key's meaning, default and range.
constexpr const char* menuKeyComment = ";\t\tF1-F12 Key to open the mod menu.\t\t (10) < 1-12>";
constexpr const char* refreshIntervalComment =
    ";\tRefresh interval in ms, affects fps\t\t (12) < 5-50>";
constexpr const char* actSettingComment = ";\t\tWhich settingsX.ini is active\t\t\t ( 1) < 1- 3>";

std::string generalFile() {
    return pluginFolderLookup() + "Velquist\\settingsGeneral.ini";
}

}  // namespace

void readGeneralSettings() {
    const GeneralSettings defaults;
    const std::string file = generalFile();
    general.menuKey = readIniInt(file, section, "menuKey", defaults.menuKey, 1, 12);
    general.refreshInterval =
        readIniInt(file, section, "refreshInterval", defaults.refreshInterval, 5, 50);
    general.actSetting = readIniInt(file, section, "actSetting", defaults.actSetting, 1, 3);
}

void writeGeneralSettings() {
    const std::string file = generalFile();
    writeIniInt(file, section, "menuKey", general.menuKey, menuKeyComment);
    writeIniInt(file, section, "refreshInterval", general.refreshInterval, refreshIntervalComment);
    writeIniInt(file, section, "actSetting", general.actSetting, actSettingComment);
}

}  // namespace velquist
