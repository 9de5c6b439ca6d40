// The plug-in linked into the simulator's own process (velquist-sim on Linux).
#pragma once

#include "plugin_loader.h"

namespace sim {

class LinkedPlugin : public PluginLoader {
  public:
    bool load(const std::string& gameDir, std::string& error) override;
    void unload() override;
    bool setDisk(DiskState state) override;
    bool failAllocations(uint32_t count) override;
    bool holdFile(const std::string& hostPath, bool held, std::string& error) override;
};

}  // namespace sim
