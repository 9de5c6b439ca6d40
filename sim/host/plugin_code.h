// Whose code runs: the host marks where control passes into the plug-in (its script's
// turn, a keyboard event, a loader notification) and back into the host (a host function
// the plug-in calls). The allocation faults of the linked plug-in count the plug-in's own
// allocations only, not the host's work on its behalf.
#pragma once

namespace sim {

// True while the plug-in's own code runs.
bool inPluginCode();

// The plug-in's code runs while this lives (the host hands it control).
class PluginCode {
  public:
    PluginCode();
    ~PluginCode();
    PluginCode(const PluginCode&) = delete;
    PluginCode& operator=(const PluginCode&) = delete;

  private:
    bool outer_;  // what ran before: restored at the end
};

// The host's code runs while this lives (the plug-in called a host function).
class HostCode {
  public:
    HostCode();
    ~HostCode();
    HostCode(const HostCode&) = delete;
    HostCode& operator=(const HostCode&) = delete;

  private:
    bool outer_;  // what ran before: restored at the end
};

}  // namespace sim
