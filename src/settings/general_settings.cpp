#include "settings/general_settings.h"

#include <array>
#include <string>

#include "settings/general_keys.h"
#include "settings/ini_access.h"
#include "settings/unread_files.h"

namespace velquist {

GeneralSettings general;

namespace {

std::string generalFile() {
    return dataFilePath(generalFileName);
}

// Every key into into; returns whether the reads saw the file.
bool readInto(GeneralSettings& into, const std::string& file) {
    ReadWatch watch(file);
    for (const GeneralKey& k : generalKeys) {
        into.*k.field = readIniInt(file, k.section, k.key, k.defaultValue, k.minimum, k.maximum);
        watch.afterRead();
    }
    return watch.sawTheFile();
}

void noteRead(bool sawTheFile) {
    unread.general = !sawTheFile;
    if (sawTheFile) unread.generalNoticed = false;
}

}  // namespace

void readGeneralSettings() {
    noteRead(readInto(general, generalFile()));
}

bool rereadGeneralSettings() {
    GeneralSettings fresh;
    if (!readInto(fresh, generalFile())) return false;
    general = fresh;
    noteRead(true);
    return true;
}

SaveResult writeGeneralSettings() {
    if (unread.general) return SaveResult::notRead;
    std::array<SavedKey, generalKeys.size()> keys;
    for (size_t i = 0; i < keys.size(); ++i) {
        const GeneralKey& k = generalKeys[i];
        keys[i] = {k.section, k.key, storedText(general.*k.field, k.comment)};
    }
    return saveWholeFile(generalFile(), keys.data(), keys.size()) ? SaveResult::saved
                                                                  : SaveResult::failed;
}

}  // namespace velquist
