#include "process_memory.h"

#ifdef _WIN32
#include <windows.h>
// psapi.h needs windows.h first.
#include <psapi.h>
#else
#include <malloc.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#endif

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

#ifdef _WIN32

// Committed private memory, region by region: the system's own counter of it is not
// filled in everywhere (Wine reports 0).
uint64_t committedPrivateBytes() {
    uint64_t total = 0;
    MEMORY_BASIC_INFORMATION info{};
    const char* address = nullptr;
    while (VirtualQuery(address, &info, sizeof info) == sizeof info) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
        const char* next = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
        if (next <= address) break;
        address = next;
    }
    return total;
}

// Bytes in the allocated blocks of every heap of the process: the finest measure of
// memory that was allocated and not given back.
uint64_t heapBytesInUse() {
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    uint64_t total = 0;
    for (DWORD i = 0; i < count && i < 64; ++i) {
        if (!HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
        HeapUnlock(heaps[i]);
    }
    return total;
}

ProcessMemory processMemory() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(),
                                 reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                 sizeof counters))
        counters = {};
    return {committedPrivateBytes(), counters.WorkingSetSize, heapBytesInUse()};
}

#else

// Pages of the data segment and resident pages, from /proc/self/statm.
ProcessMemory processMemory() {
    std::FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f) return {};
    unsigned long long size = 0, resident = 0, shared = 0, text = 0, lib = 0, data = 0;
    const int n = std::fscanf(f, "%llu %llu %llu %llu %llu %llu", &size, &resident, &shared, &text,
                              &lib, &data);
    std::fclose(f);
    if (n != 6) return {};
    const auto page = static_cast<unsigned long long>(sysconf(_SC_PAGESIZE));
#ifdef VELQUIST_ASAN
    // The sanitizer has an allocator of its own, which the C library's counts do not
    // see; only its count of live bytes leaves out the blocks it keeps in quarantine.
    const uint64_t heap = __sanitizer_get_current_allocated_bytes();
#else
    const uint64_t heap = mallinfo2().uordblks;
#endif
    return {data * page, resident * page, heap};
}

#endif

}  // namespace sim
