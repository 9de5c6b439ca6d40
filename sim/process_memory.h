// The simulator's own memory use, for checks that loading and unloading the plug-in again
// and again does not make the process grow.
#pragma once

#include <cstdint>

namespace sim {

struct ProcessMemory {
    uint64_t privateBytes = 0;  // memory committed for this process alone
    uint64_t workingSet = 0;    // memory resident now
    uint64_t heapInUse = 0;     // bytes of the heap's allocated blocks
};

// Zero fields when the system cannot tell.
ProcessMemory processMemory();

}  // namespace sim
