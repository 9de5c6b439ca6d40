// Configuration of the portable platform: what stands in for the operating system when
// the plug-in runs outside Windows (the simulator, the tests).
#pragma once

#include <cstdint>
#include <string>

#include "host/platform.h"

namespace velquist::platform::portable {

struct Config {
    uint32_t (*tick)() = nullptr;  // tick source; null: a monotonic clock in ms
    std::string moduleFile;        // the plug-in's file as a host path, e.g. /games/v/Velquist.asi
    ImageRange mainImage;          // the game executable's image; empty: none
    // What the memory at an address holds; null: the system's answer (systemMemoryRun).
    MemoryRun (*memoryRun)(const void* address, size_t maxBytes) = nullptr;
};

extern Config config;

// The system's answer for memoryRunAt: each page is tried with a read the kernel makes
// on the process's behalf (process_vm_readv), which fails rather than faults where the
// page is not mapped or not readable.
MemoryRun systemMemoryRun(const void* address, size_t maxBytes);

// The plug-in's backslash form of a host path: /a/b/Velquist.asi -> \a\b\Velquist.asi
std::string toPluginPath(const std::string& hostPath);
// The host path a plug-in path names: \a\b\Velquist\x.ini -> /a/b/Velquist/x.ini
std::string toHostPath(const char* pluginPath);

}  // namespace velquist::platform::portable
