// Loads the real Velquist.asi with LoadLibrary, as the game's loader would.
#pragma once

#include "plugin_loader.h"

namespace sim {

class DllPluginLoader : public PluginLoader {
public:
    bool load(const std::string& gameDir, std::string& error) override;
    void unload() override;
    bool failAllocations(uint32_t count) override;

private:
    void* module_ = nullptr;
};

}  // namespace sim
