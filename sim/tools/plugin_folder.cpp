#include "tools/plugin_folder.h"

#include <algorithm>

#include "core/process_texts.h"
#include "host/portable/portable_platform.h"
#include "host/sim_host.h"
#include "settings/ini_access.h"

namespace sim {

void usePluginFolder(const std::filesystem::path& gameDir) {
    namespace portable = velquist::platform::portable;
    const std::filesystem::path dir = std::filesystem::absolute(gameDir);
    portable::config.moduleFile = (dir / "Velquist.asi").string();
    host.dataFolder = portable::toPluginPath((dir / "Velquist").string()) + "\\";
    velquist::texts.pluginFolder.clear();  // found afresh from the new file
}

std::string pluginDataPath(const std::string& relative) {
    return velquist::dataFilePath(relative);
}

std::string reportPath(const std::string& relative) {
    std::string path = "Velquist/" + relative;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

}  // namespace sim
