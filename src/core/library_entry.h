// The library's entry: registration with the host on process attach, unregistration on
// detach.
#pragma once

#include <cstdint>

#include "core/plugin_module.h"

namespace velquist {

// The loader's reason codes.
constexpr uint32_t reasonProcessDetach = 0;
constexpr uint32_t reasonProcessAttach = 1;

// Handles one loader notification; always reports success and lets no exception out.
bool libraryEntry(void* module, uint32_t reason);

}  // namespace velquist
