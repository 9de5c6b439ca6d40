// Whose code runs: the host marks where control passes into the plug-in (its script's
// turn, a keyboard event, a loader notification) and back into the host (a host function
// the plug-in calls). The allocation faults of the linked plug-in count the plug-in's own
// allocations only, not the host's work on its behalf.
#pragma once

namespace sim {

// True while the plug-in's own code runs.
bool inPluginCode();

// The plug-in's or the host's code runs while this lives; what ran before runs again after.
class RunningCode {
  public:
    enum Side { plugin, host };
    explicit RunningCode(Side side);
    ~RunningCode();
    RunningCode(const RunningCode&) = delete;
    RunningCode& operator=(const RunningCode&) = delete;

  private:
    bool outerWasPlugin_;  // what ran before: restored at the end
};

}  // namespace sim
