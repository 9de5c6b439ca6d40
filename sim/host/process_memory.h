// The simulator's own memory use, for long runs that must stay flat: the resident set
// and the bytes its heap holds in live allocations.
#pragma once

#include <cstdint>

namespace sim {

struct MemoryUse {
    int64_t residentKiB = -1;  // resident set size; -1 when unknown
    int64_t heapBytes = -1;    // bytes in live heap allocations; -1 when unknown
};

MemoryUse processMemory();

}  // namespace sim
