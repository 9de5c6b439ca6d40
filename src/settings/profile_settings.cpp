// Reading and writing a profile file: one loop over the key table each way.
#include "settings/profile_settings.h"

#include <string>

#include "hud/display_settings.h"
#include "settings/general_settings.h"
#include "settings/ini_access.h"
#include "settings/profile_keys.h"

namespace velquist {

ProfileSettings profile;

namespace {

// A fresh ProfileSettings and the key table must agree on every default, or a reset value
// and a value read from an empty file would differ.
constexpr bool tableDefaultsMatchFields() {
    constexpr ProfileSettings fresh{};
    for (const ProfileKey& row : profileKeys)
        if (fresh.*row.field != row.defaultValue) return false;
    return true;
}
static_assert(tableDefaultsMatchFields(), "profile key table and ProfileSettings disagree");

constexpr bool tableDefaultsInRange() {
    for (const ProfileKey& row : profileKeys)
        if (row.defaultValue < row.minimum || row.defaultValue > row.maximum) return false;
    return true;
}
static_assert(tableDefaultsInRange(), "a profile key's default lies outside its range");

std::string profilePath(int32_t n) {
    return dataFilePath(profileFileName(n));
}

}  // namespace

std::string profileFileName(int32_t n) {
    return "settings" + intToText(n) + ".ini";
}

void readProfile() {
    // actSetting is kept within 1..3 by its reader and the menu; should it ever be off,
    // the first profile is read rather than a file of some other name.
    const int32_t n = general.actSetting >= firstProfile && general.actSetting <= lastProfile
                          ? general.actSetting
                          : firstProfile;
    const std::string path = profilePath(n);
    for (const ProfileKey& row : profileKeys)
        profile.*row.field =
            readIniInt(path, row.section, row.key, row.defaultValue, row.minimum, row.maximum);
    deriveDisplaySettings();
    computeLayout();
}

void writeProfile(int32_t n) {
    if (n < firstProfile || n > lastProfile) return;
    const std::string path = profilePath(n);
    for (const ProfileKey& row : profileKeys)
        writeIniInt(path, row.section, row.key, profile.*row.field, row.comment);
}

}  // namespace velquist
