#include "host/process_memory.h"

#include <malloc.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELQUIST_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VELQUIST_ASAN 1
#endif

#ifdef VELQUIST_ASAN
// From the sanitizer's run-time library (its header does not come with every compiler).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace sim {

MemoryUse processMemory() {
    MemoryUse use;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        long long size = 0, resident = 0;
        if (std::fscanf(f, "%lld %lld", &size, &resident) == 2)
            use.residentKiB = resident * (sysconf(_SC_PAGESIZE) / 1024);
        std::fclose(f);
    }
#ifdef VELQUIST_ASAN
    // The sanitizer's allocator keeps freed blocks in quarantine; only its count of live
    // bytes says what the program holds.
    use.heapBytes = static_cast<int64_t>(__sanitizer_get_current_allocated_bytes());
#else
    use.heapBytes = static_cast<int64_t>(mallinfo2().uordblks);
#endif
    return use;
}

}  // namespace sim
