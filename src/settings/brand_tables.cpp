#include "settings/brand_tables.h"

#include "core/process_texts.h"
#include "settings/ini_access.h"

namespace velquist {

namespace {

std::string brandsFile() {
    return dataFilePath("settingsBrands.ini");
}
std::string maxRpmFile() {
    return dataFilePath("settingsMaxRpm.ini");
}

}  // namespace

void loadBrandNames() {
    const std::string path = brandsFile();
    for (int i = 0; i < brandCount; ++i) {
        const std::string key = brandKeyPrefix + intToText(i);
        texts.brandNames[static_cast<size_t>(i)] =
            readIniString(path, brandSection, key.c_str(), unsetBrand);
    }
}

std::string readLiveryBrand(const std::string& livery) {
    return readIniString(brandsFile(), liverySection, livery.c_str(), unknownLivery);
}

int32_t readMaxRpm(const std::string& livery) {
    return readIniInt(maxRpmFile(), maxRpmSection, livery.c_str(), maxRpmDefault, maxRpmMin,
                      maxRpmMax);
}

}  // namespace velquist
