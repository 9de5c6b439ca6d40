#include "settings/general_settings.h"

#include <string>

#include "settings/general_keys.h"
#include "settings/ini_access.h"

namespace velquist {

GeneralSettings general;

namespace {

std::string generalFile() {
    return dataFilePath("settingsGeneral.ini");
}

}  // namespace

void readGeneralSettings() {
    const std::string file = generalFile();
    for (const GeneralKey& k : generalKeys)
        general.*k.field =
            readIniInt(file, generalSection, k.key, k.defaultValue, k.minimum, k.maximum);
}

void writeGeneralSettings() {
    const std::string file = generalFile();
    for (const GeneralKey& k : generalKeys)
        writeIniInt(file, generalSection, k.key, general.*k.field, k.comment);
}

}  // namespace velquist
