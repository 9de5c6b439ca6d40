// The library's entry: registration with the host on process attach, unregistration on
// detach.
#pragma once

#include <cstdint>

namespace velquist {

// The loader's reason codes.
constexpr uint32_t reasonProcessDetach = 0;
constexpr uint32_t reasonProcessAttach = 1;

// The plug-in's own module handle, recorded on attach (the INI layer asks for its file name).
extern void* pluginModule;

// Handles one loader notification; always reports success and lets no exception out.
bool libraryEntry(void* module, uint32_t reason);

}  // namespace velquist
