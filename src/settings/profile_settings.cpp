// Reading and writing a profile file: one loop over the key table each way.
#include "settings/profile_settings.h"

#include <array>
#include <string>

#include "hud/display_settings.h"
#include "hud/hud_layout.h"
#include "settings/data_files.h"
#include "settings/general_settings.h"
#include "settings/ini_access.h"
#include "settings/profile_keys.h"
#include "settings/unread_files.h"

namespace velquist {

ProfileSettings profile;

namespace {

static_assert(data_files::profiles.size() == lastProfile - firstProfile + 1,
              "every profile number needs its file in the data file table");

std::string profilePath(int32_t n) {
    return dataFilePath(profileFileName(n));
}

// The profile to read: actSetting is kept within 1..3 by its reader and the menu; should it
// ever be off, the first profile is read rather than a file of some other name.
int32_t activeProfile() {
    return general.actSetting >= firstProfile && general.actSetting <= lastProfile
               ? general.actSetting
               : firstProfile;
}

// Every key into into; returns whether the reads saw the file.
bool readInto(ProfileSettings& into, const std::string& path) {
    ReadWatch watch(path);
    for (const ProfileKey& row : profileKeys) {
        into.*row.field =
            readIniInt(path, row.section, row.key, row.defaultValue, row.minimum, row.maximum);
        watch.afterRead();
    }
    return watch.sawTheFile();
}

void noteRead(int32_t n, bool sawTheFile) {
    if (sawTheFile || unread.profile != n) unread.profileNoticed = false;
    unread.profile = sawTheFile ? 0 : n;
}

}  // namespace

const char* profileFileName(int32_t n) {
    const int32_t index = n >= firstProfile && n <= lastProfile ? n - firstProfile : 0;
    return data_files::profiles[static_cast<size_t>(index)].name;
}

void readProfile() {
    const int32_t n = activeProfile();
    noteRead(n, readInto(profile, profilePath(n)));
    deriveDisplaySettings();
    computeLayout();
}

bool rereadProfile() {
    const int32_t n = activeProfile();
    ProfileSettings fresh;
    if (!readInto(fresh, profilePath(n))) return false;
    profile = fresh;
    noteRead(n, true);
    deriveDisplaySettings();
    computeLayout();
    return true;
}

SaveResult writeProfile(int32_t n) {
    if (n < firstProfile || n > lastProfile) return SaveResult::failed;
    if (unread.profile == n) return SaveResult::notRead;
    std::array<SavedKey, profileKeyCount> keys;
    for (size_t i = 0; i < keys.size(); ++i) {
        const ProfileKey& row = profileKeys[i];
        keys[i] = {row.section, row.key, storedText(profile.*row.field, row.comment)};
    }
    return saveWholeFile(profilePath(n), keys.data(), keys.size()) ? SaveResult::saved
                                                                   : SaveResult::failed;
}

}  // namespace velquist
