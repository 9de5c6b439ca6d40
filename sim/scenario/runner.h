// Runs a checked scenario against the simulated host and the plug-in.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "plugin_loader.h"
#include "scenario/scenario.h"

namespace sim {

struct RunOptions {
    std::string gameDir;   // the game folder; empty: a temporary copy of the default data folder
    std::string shotsDir;  // where pictures go
    bool reportMemory = false;  // the process's memory on standard error after each unload
};

class Runner {
  public:
    Runner(PluginLoader& loader, RunOptions options)
        : loader_(loader), options_(std::move(options)) {}
    // Prepares the game folder; false with a message when it cannot.
    bool prepare(std::string& error);
    // Runs every command in order; false with "LINE: what" on a fault of the machine
    // (a file that cannot be written, a plug-in that does not load).
    bool run(const std::vector<Command>& commands, std::string& error);
    // Releases the plug-in without tracing and removes a temporary game folder.
    void finish();

    const std::string& gameDir() const { return gameDir_; }

  private:
    bool ensureLoaded(std::string& error);
    bool execute(const Command& c, std::string& error);
    void runFor(uint32_t ms);
    void press(uint32_t vk, uint32_t ms);
    void reportMemory() const;
    bool hold(const std::string& path, bool held, std::string& error);

    PluginLoader& loader_;
    RunOptions options_;
    std::string gameDir_;
    bool temporary_ = false;
    bool loaded_ = false;
    bool unloaded_ = false;
    unsigned unloads_ = 0;        // unloads so far
    std::set<std::string> held_;  // host paths of the files `hold` holds open
};

}  // namespace sim
