// Loads the real Velquist.asi with LoadLibrary, as the game's loader would.
#pragma once

#include <map>
#include <string>

#include "plugin_loader.h"

namespace sim {

class DllPluginLoader : public PluginLoader {
  public:
    bool load(const std::string& gameDir, std::string& error) override;
    void unload() override;
    bool failAllocations(uint32_t count) override;
    bool holdFile(const std::string& hostPath, bool held, std::string& error) override;

  private:
    void* module_ = nullptr;
    std::map<std::string, void*> held_;  // the handles of the held files, by path; none at first
};

}  // namespace sim
