// Counts every heap allocation of the process: the program that links this replaces the
// global operator new. A benchmark reads the count before and after its timed loop.
#pragma once

#include <cstdint>

namespace bench {

// operator new calls so far.
uint64_t allocations();

}  // namespace bench
