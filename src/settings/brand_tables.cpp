#include "settings/brand_tables.h"

#include "core/process_texts.h"
#include "settings/data_files.h"
#include "settings/ini_access.h"

namespace velquist {

namespace {

std::string brandsFile() {
    return dataFilePath(data_files::brands.name);
}
std::string maxRpmFile() {
    return dataFilePath(data_files::maxRpm.name);
}

}  // namespace

std::string readBrandName(const std::string& path, int index) {
    const std::string key = brandKeyPrefix + intToText(index);
    return readIniString(path, brandSection, key.c_str(), unsetBrand);
}

void loadBrandNames() {
    const std::string path = brandsFile();
    for (int i = 0; i < brandCount; ++i)
        texts.brandNames[static_cast<size_t>(i)] = readBrandName(path, i);
}

std::string readLiveryBrand(const std::string& livery) {
    return readIniString(brandsFile(), liverySection, livery.c_str(), unknownLivery);
}

int32_t readMaxRpm(const std::string& livery) {
    return readIniInt(maxRpmFile(), maxRpmSection, livery.c_str(), maxRpmDefault, maxRpmMin,
                      maxRpmMax);
}

}  // namespace velquist
