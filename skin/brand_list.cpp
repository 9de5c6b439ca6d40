#include "skin/brand_list.h"

#include <algorithm>
#include <filesystem>

#include "core/process_texts.h"
#include "host/portable/portable_platform.h"
#include "host/portable/profile_encoding.h"
#include "settings/brand_tables.h"

namespace skin {

namespace {

namespace portable = velquist::platform::portable;

// The plug-in's path form of a brand table given on the command line.
std::string pluginPath(const std::string& iniFile) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(iniFile, ec);
    return portable::toPluginPath(ec ? iniFile : absolute.string());
}

}  // namespace

bool isLogoName(const std::string& name) {
    if (name.empty() || name == "." || name.find("..") != std::string::npos) return false;
    return name.find_first_of("/\\:") == std::string::npos;
}

std::vector<std::string> readBrandNames(const std::string& iniFile,
                                        std::vector<std::string>& skipped) {
    const std::string path = pluginPath(iniFile);
    std::vector<std::string> names;
    for (int i = 0; i < velquist::brandCount; ++i) {
        const std::string name = velquist::readBrandName(path, i);
        if (name == velquist::unsetBrand) continue;
        if (!isLogoName(name)) {
            skipped.push_back(name);
            continue;
        }
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return names;
}

std::string readFallbackBrand(const std::string& iniFile) {
    return velquist::readBrandName(pluginPath(iniFile), 0);
}

std::string logoText(const std::string& name) {
    return portable::toUtf8(portable::fromAnsi(name));
}

}  // namespace skin
