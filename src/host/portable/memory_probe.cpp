// The system's answer on the state of memory pages outside Windows: a page is readable
// when the kernel can read a byte of it on the process's behalf. The read goes through
// process_vm_readv, which reports a page that is not mapped or not readable as an error
// instead of faulting; it needs no file and no allocation, so it may run on any frame.
#include <sys/uio.h>
#include <unistd.h>

#include "host/portable/portable_platform.h"

namespace velquist::platform::portable {

namespace {

bool pageReadable(uintptr_t address) {
    char byte = 0;
    iovec local{&byte, 1};
    iovec remote{reinterpret_cast<void*>(address), 1};
    return process_vm_readv(getpid(), &local, 1, &remote, 1, 0) == 1;
}

}  // namespace

MemoryRun systemMemoryRun(const void* address, size_t maxBytes) {
    if (maxBytes == 0) return {};
    static const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto at = reinterpret_cast<uintptr_t>(address);
    const bool readable = pageReadable(at);
    // Pages of the same state that follow, up to maxBytes; none past the address space.
    size_t bytes = page - at % page;
    while (bytes < maxBytes && at + bytes > at && pageReadable(at + bytes) == readable)
        bytes += page;
    return {bytes < maxBytes ? bytes : maxBytes, readable};
}

}  // namespace velquist::platform::portable
