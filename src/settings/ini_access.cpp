#include "settings/ini_access.h"

#include <cstdio>

#include "core/library_entry.h"
#include "core/process_texts.h"
#include "host/platform.h"

namespace velquist {

namespace {

constexpr size_t modulePathSize = 260;  // characters, the system's path limit
constexpr size_t textBufferSize = 64;   // characters, terminating zero included

}  // namespace

std::string pluginFolderLookup() {
    if (!texts.pluginFolder.empty()) return texts.pluginFolder;
    char path[modulePathSize] = {};
    platform::moduleFileName(pluginModule, path, modulePathSize);
    path[modulePathSize - 1] = '\0';  // older systems leave a cut name unterminated
    std::string folder = path;
    if (folder.empty()) return folder;  // not cached: the next lookup tries again
    const size_t slash = folder.rfind('\\');
    if (slash != std::string::npos) folder.resize(slash + 1);
    texts.pluginFolder = folder;
    return folder;
}

std::string intToText(int32_t value) {
    char buf[textBufferSize];
    std::snprintf(buf, sizeof buf, "%d", static_cast<int>(value));
    return buf;
}

int32_t readIniInt(const std::string& path, const char* section, const char* key,
                   int32_t defaultValue, int32_t minimum, int32_t maximum) {
    const auto value = static_cast<int32_t>(
        platform::getPrivateProfileInt(section, key, defaultValue, path.c_str()));
    return value >= minimum && value <= maximum ? value : defaultValue;
}

std::string readIniString(const std::string& path, const char* section, const char* key,
                          const char* defaultValue) {
    char buf[textBufferSize] = {};
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
    const std::string text = storedText(value, comment);
    platform::writePrivateProfileString(section, key, text.c_str(), path.c_str());
}

}  // namespace velquist
