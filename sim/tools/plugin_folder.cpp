#include "tools/plugin_folder.h"

#include <algorithm>

#include "core/process_texts.h"
#ifndef _WIN32
#include "host/portable/portable_platform.h"
#endif
#include "host/sim_host.h"
#include "settings/data_files.h"
#include "settings/ini_access.h"

namespace sim {

void usePluginFolder(const std::filesystem::path& gameDir) {
    const std::filesystem::path dir = std::filesystem::absolute(gameDir);
#ifdef _WIN32
    // The plug-in's code is linked into this program: its folder is set, not asked for.
    std::string folder = dir.string();
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    velquist::texts.pluginFolder = folder;
    host.dataFolder = folder + velquist::dataFolderName + "\\";
#else
    namespace portable = velquist::platform::portable;
    portable::config.moduleFile = (dir / "Velquist.asi").string();
    host.dataFolder = portable::toPluginPath((dir / velquist::dataFolderName).string()) + "\\";
    velquist::texts.pluginFolder.clear();  // found afresh from the new file
#endif
}

std::string pluginDataPath(const std::string& relative) {
    return velquist::dataFilePath(relative);
}

std::string reportPath(const std::string& relative) {
    std::string path = std::string(velquist::dataFolderName) + "/" + relative;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

}  // namespace sim
