#include "trace/crash_flush.h"

#include <csignal>

#include "trace/trace.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace sim {

namespace {

Trace* volatile watched = nullptr;

#ifdef _WIN32

LONG WINAPI flushOnException(EXCEPTION_POINTERS*) {
    if (Trace* t = watched) t->flushAtAbnormalEnd();
    return EXCEPTION_CONTINUE_SEARCH;
}

void install() {
    static bool done = false;
    if (done) return;
    done = true;
    SetUnhandledExceptionFilter(flushOnException);
}

#else

// The faults, and what ends a run from outside: a stop, a time limit (the scenario
// fuzzer's alarm, a limit of processor time).
constexpr int watchedSignals[] = {SIGSEGV, SIGBUS, SIGFPE,  SIGILL,  SIGABRT, SIGTERM,
                                  SIGINT,  SIGHUP, SIGQUIT, SIGALRM, SIGXCPU};
constexpr int signalSlots = 65;
struct sigaction earlier[signalSlots];  // what each signal did before, restored when it comes

void flushOnSignal(int sig, siginfo_t* info, void*) {
    if (Trace* t = watched) t->flushAtAbnormalEnd();
    watched = nullptr;
    sigaction(sig, &earlier[sig], nullptr);
    // A fault of the program itself is met again when the handler returns, now by the
    // earlier handler (a sanitizer's report, or the core dump); a signal that was sent is
    // sent again.
    if (info == nullptr || info->si_code <= 0) raise(sig);
}

void install() {
    static bool done = false;
    if (done) return;
    done = true;
    // A stack of its own, so that a stack overflow of the script's coroutine is caught too.
    stack_t current;
    if (sigaltstack(nullptr, &current) == 0 && (current.ss_flags & SS_DISABLE)) {
        static char altStack[64 * 1024];
        stack_t ours{};
        ours.ss_sp = altStack;
        ours.ss_size = sizeof altStack;
        sigaltstack(&ours, nullptr);
    }
    struct sigaction action {};
    action.sa_sigaction = flushOnSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int sig : watchedSignals)
        sigaction(sig, &action, &earlier[sig]);
}

#endif

}  // namespace

void watchForAbnormalEnd(Trace* trace) {
    if (trace) install();
    watched = trace;
}

}  // namespace sim
