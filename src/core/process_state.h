// The plug-in's process-wide state as a whole: every group of variables that a fresh load
// of the library starts with. A host that keeps the plug-in linked into its own process
// (the simulator) resets it on each load, as the operating system does for a DLL that is
// loaded again. A new process-wide group belongs in resetProcessState.
#pragma once

namespace velquist {

// Gives every process-wide group its load-time value.
void resetProcessState();

}  // namespace velquist
