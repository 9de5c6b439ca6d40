#include "allocation_faults.h"

#include "host/plugin_code.h"
#include "support/counted_new.h"

namespace {

uint32_t failuresLeft = 0;  // allocations of the plug-in still to fail

}  // namespace

void noteAllocation() {
    if (failuresLeft == 0 || !sim::inPluginCode()) return;
    --failuresLeft;
    throw std::bad_alloc();
}

namespace sim {

void failPluginAllocations(uint32_t count) {
    failuresLeft = count;
}

}  // namespace sim
