#include "settings/ini_access.h"

#include <cstdio>

#include "core/plugin_module.h"
#include "core/process_texts.h"
#include "host/platform.h"
#include "settings/data_files.h"

namespace velquist {

namespace {

constexpr size_t modulePathSize = 260;  // characters, the system's path limit
constexpr size_t textBufferSize = 64;   // characters, terminating zero included

}  // namespace

std::string pluginFolderLookup() {
    if (!texts.pluginFolder.empty()) return texts.pluginFolder;
    char path[modulePathSize] = {};
    const size_t length = platform::moduleFileName(pluginModule, path, modulePathSize);
    // A cut name fills the buffer; its last backslash would name some other folder.
    if (length == 0 || length >= modulePathSize) return {};  // not cached: asked again
    std::string folder = path;
    const size_t slash = folder.rfind('\\');
    if (slash != std::string::npos) folder.resize(slash + 1);
    texts.pluginFolder = folder;
    return folder;
}

std::string dataFilePath(const std::string& relative) {
    const std::string folder = pluginFolderLookup();
    if (folder.empty()) return folder;
    return folder + dataFolderName + '\\' + relative;
}

std::string intToText(int32_t value) {
    char buf[textBufferSize];
    std::snprintf(buf, sizeof buf, "%d", static_cast<int>(value));
    return buf;
}

int32_t readIniInt(const std::string& path, const char* section, const char* key,
                   int32_t defaultValue, int32_t minimum, int32_t maximum) {
    if (path.empty()) return defaultValue;
    const auto value = static_cast<int32_t>(
        platform::getPrivateProfileInt(section, key, defaultValue, path.c_str()));
    return value >= minimum && value <= maximum ? value : defaultValue;
}

std::string readIniString(const std::string& path, const char* section, const char* key,
                          const char* defaultValue) {
    char buf[textBufferSize] = {};
    if (path.empty()) {
        std::snprintf(buf, sizeof buf, "%s", defaultValue ? defaultValue : "");
        return buf;
    }
    platform::getPrivateProfileString(section, key, defaultValue, buf, textBufferSize,
                                      path.c_str());
    buf[textBufferSize - 1] = '\0';
    return buf;
}

std::string storedText(int32_t value, const char* comment) {
    return intToText(value) + (comment ? comment : "");
}

void writeIniInt(const std::string& path, const char* section, const char* key, int32_t value,
                 const char* comment) {
    if (path.empty()) return;
    const std::string text = storedText(value, comment);
    platform::writePrivateProfileString(section, key, text.c_str(), path.c_str());
}

}  // namespace velquist
