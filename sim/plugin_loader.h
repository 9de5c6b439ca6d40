// How the simulator brings the plug-in into its process: linked in (velquist-sim) or
// loaded from Velquist.asi with LoadLibrary (velquist-host.exe).
#pragma once

#include <string>

namespace sim {

class PluginLoader {
public:
    virtual ~PluginLoader() = default;
    // Loads the plug-in from the game folder gameDir (a host path): static
    // initialisation, then the process-attach notification. Sets host.dataFolder.
    virtual bool load(const std::string& gameDir, std::string& error) = 0;
    // The process-detach notification, then the library is released.
    virtual void unload() = 0;
};

}  // namespace sim
