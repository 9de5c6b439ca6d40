#include "settings/brand_tables.h"

#include "core/process_texts.h"
#include "settings/ini_access.h"

namespace velquist {

namespace {

std::string brandsFile() { return pluginFolderLookup() + "Velquist\\settingsBrands.ini"; }
std::string maxRpmFile() { return pluginFolderLookup() + "Velquist\\settingsMaxRpm.ini"; }

constexpr int32_t maxRpmDefault = 50;  // hundreds of rpm
constexpr int32_t maxRpmMin = 10;
constexpr int32_t maxRpmMax = 150;

}  // namespace

void loadBrandNames() {
    const std::string path = brandsFile();
    for (int i = 0; i < brandCount; ++i) {
        const std::string key = "brand" + intToText(i);
        texts.brandNames[static_cast<size_t>(i)] =
            readIniString(path, "BRAND", key.c_str(), "Empty");
    }
}

std::string readLiveryBrand(const std::string& livery) {
    return readIniString(brandsFile(), "LIVERY", livery.c_str(), "UnkownLivery");
}

int32_t readMaxRpm(const std::string& livery) {
    return readIniInt(maxRpmFile(), "MAXRPM", livery.c_str(), maxRpmDefault, maxRpmMin,
                      maxRpmMax);
}

}  // namespace velquist
