#include "allocation_counter.h"

#include "support/counted_new.h"

namespace {

uint64_t count = 0;

}  // namespace

void noteAllocation() {
    ++count;
}

namespace bench {

uint64_t allocations() {
    return count;
}

}  // namespace bench
