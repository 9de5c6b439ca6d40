// How the simulator brings the plug-in into its process: linked in (velquist-sim) or
// loaded from Velquist.asi with LoadLibrary (velquist-host.exe).
#pragma once

#include <cstdint>
#include <string>

namespace sim {

// The disk as the plug-in's writes see it: sound, full (a new file stops part way with an
// error) or read-only (nothing can be created, renamed or removed). Reading always works.
enum class DiskState { ok, full, readOnly };

class PluginLoader {
  public:
    virtual ~PluginLoader() = default;
    // Loads the plug-in from the game folder gameDir (a host path): static
    // initialisation, then the process-attach notification. Sets host.dataFolder.
    virtual bool load(const std::string& gameDir, std::string& error) = 0;
    // The process-detach notification, then the library is released.
    virtual void unload() = 0;
    // What the plug-in's own file writes meet from now on. Only a loader that owns the
    // plug-in's file access can fake a failing disk; the others answer false.
    virtual bool setDisk(DiskState /*state*/) { return false; }
    // The plug-in's next count allocations (of its own code, from now on, across loads)
    // fail; 0 lets them all succeed again. A loader that cannot answers false.
    virtual bool failAllocations(uint32_t /*count*/) { return false; }
    // Another program opens the existing file at hostPath without sharing (held) or closes
    // it again: while it is held, the plug-in can neither open nor replace it. False, with
    // a message, when that cannot be done.
    virtual bool holdFile(const std::string& hostPath, bool held, std::string& error) = 0;
};

}  // namespace sim
