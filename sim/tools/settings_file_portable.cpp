#include "host/portable/file_system.h"
#include "host/sim_host.h"
#include "tools/settings_file.h"

namespace sim {

SettingsRead readSettingsFile(const std::string& pluginPath, std::string& bytes) {
    namespace portable = velquist::platform::portable;
    switch (portable::systemFileSystem.read(hostPath(pluginPath), bytes)) {
        case portable::FileRead::ok:
            return SettingsRead::ok;
        case portable::FileRead::missing:
        case portable::FileRead::noFolder:
            return SettingsRead::absent;
        case portable::FileRead::unreadable:
            break;
    }
    return SettingsRead::unreadable;
}

}  // namespace sim
