// Folder::pluginPath, apart from the rest of temp_files: only the programs that link the
// plug-in's portable platform use it.
#include "host/portable/portable_platform.h"
#include "support/temp_files.h"

namespace temp_files {

std::string Folder::pluginPath(const std::string& relative) const {
    return velquist::platform::portable::toPluginPath((path() / relative).string());
}

}  // namespace temp_files
