#include "world/memory_pages.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace sim {

namespace {

FaultCallback faultCallback = nullptr;

#ifdef _WIN32

LONG CALLBACK onException(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    if (record->ExceptionCode != EXCEPTION_ACCESS_VIOLATION || record->NumberParameters < 2)
        return EXCEPTION_CONTINUE_SEARCH;
    const auto address = static_cast<uintptr_t>(record->ExceptionInformation[1]);
    if (faultCallback && faultCallback(address)) return EXCEPTION_CONTINUE_EXECUTION;
    return EXCEPTION_CONTINUE_SEARCH;
}

#else

struct sigaction previousAction;

void onSegv(int signal, siginfo_t* info, void* context) {
    const auto address = reinterpret_cast<uintptr_t>(info->si_addr);
    if (faultCallback && faultCallback(address)) return;  // the access is retried
    // Not ours: hand the fault to whoever handled it before, or let it kill the process.
    if (previousAction.sa_flags & SA_SIGINFO) {
        if (previousAction.sa_sigaction) {
            previousAction.sa_sigaction(signal, info, context);
            return;
        }
    } else if (previousAction.sa_handler != SIG_DFL && previousAction.sa_handler != SIG_IGN) {
        previousAction.sa_handler(signal);
        return;
    }
    ::signal(signal, SIG_DFL);
}

#endif

}  // namespace

#ifdef _WIN32

size_t pageSize() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwPageSize;
}

uint8_t* allocatePages(size_t bytes) {
    return static_cast<uint8_t*>(
        VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
}

uint8_t* reservePages(size_t bytes) {
    return static_cast<uint8_t*>(VirtualAlloc(nullptr, bytes, MEM_RESERVE, PAGE_NOACCESS));
}

void freePages(uint8_t* pages, size_t /*bytes*/) {
    if (pages) VirtualFree(pages, 0, MEM_RELEASE);
}

void protectPages(uint8_t* pages, size_t bytes, bool watched) {
    DWORD old = 0;
    VirtualProtect(pages, bytes, watched ? PAGE_NOACCESS : PAGE_READWRITE, &old);
}

void installFaultHandler(FaultCallback callback) {
    if (faultCallback == nullptr) AddVectoredExceptionHandler(1, onException);
    faultCallback = callback;
}

#else

size_t pageSize() {
    return static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

uint8_t* allocatePages(size_t bytes) {
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return p == MAP_FAILED ? nullptr : static_cast<uint8_t*>(p);
}

uint8_t* reservePages(size_t bytes) {
    void* p = mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    return p == MAP_FAILED ? nullptr : static_cast<uint8_t*>(p);
}

void freePages(uint8_t* pages, size_t bytes) {
    if (pages) munmap(pages, bytes);
}

void protectPages(uint8_t* pages, size_t bytes, bool watched) {
    mprotect(pages, bytes, watched ? PROT_NONE : PROT_READ | PROT_WRITE);
}

void installFaultHandler(FaultCallback callback) {
    if (faultCallback == nullptr) {
        struct sigaction action = {};
        action.sa_sigaction = onSegv;
        action.sa_flags = SA_SIGINFO;
        sigemptyset(&action.sa_mask);
        sigaction(SIGSEGV, &action, &previousAction);
    }
    faultCallback = callback;
}

#endif

}  // namespace sim
