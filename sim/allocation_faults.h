// Allocation failures of the linked plug-in (velquist-sim): the program's operator new
// fails, with std::bad_alloc, the plug-in's next allocations as many times as the scenario
// asks. Only the plug-in's own code counts (sim/host/plugin_code.h), not the host's.
#pragma once

#include <cstdint>

namespace sim {

// The plug-in's next count allocations fail; 0 lets every one succeed again.
void failPluginAllocations(uint32_t count);

}  // namespace sim
