#include "host/coroutine.h"

#include <cstdlib>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <ucontext.h>
#endif

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SIM_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define SIM_ASAN 1
#endif
#ifdef SIM_ASAN
#include <sanitizer/common_interface_defs.h>
#endif

namespace sim {

namespace {
Coroutine* running = nullptr;
constexpr size_t stackSize = 8 * 1024 * 1024;  // bytes; generous for sanitizer builds
}  // namespace

#ifdef _WIN32

struct Coroutine::Impl {
    LPVOID fiber = nullptr;
    LPVOID caller = nullptr;
};

Coroutine::Coroutine(Body body) : impl_(new Impl), body_(body) {
    impl_->fiber = CreateFiber(
        stackSize, [](LPVOID) { entry(); }, nullptr);
}

Coroutine::~Coroutine() {
    if (impl_->fiber) DeleteFiber(impl_->fiber);
    delete impl_;
}

void Coroutine::resume() {
    if (finished_ || running || !impl_->fiber) return;
// mingw-w64's inline GetCurrentFiber reads the thread block in a way GCC's bounds check
// misreads.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
    impl_->caller = IsThreadAFiber() ? GetCurrentFiber() : ConvertThreadToFiber(nullptr);
#pragma GCC diagnostic pop
    running = this;
    SwitchToFiber(impl_->fiber);
    running = nullptr;
}

void Coroutine::yield() {
    if (!running) return;
    SwitchToFiber(running->impl_->caller);
}

#else

struct Coroutine::Impl {
    ucontext_t context{};
    ucontext_t caller{};
    void* stack = nullptr;
#ifdef SIM_ASAN
    void* fakeStack = nullptr;
    const void* callerBottom = nullptr;
    size_t callerSize = 0;
#endif
};

// Stacks of coroutines that are gone. They stay allocated for the life of the process:
// a script never returns, and what its stack still points at must stay reachable.
std::vector<void*>& retiredStacks() {
    static std::vector<void*>* stacks = new std::vector<void*>;
    return *stacks;
}

Coroutine::Coroutine(Body body) : impl_(new Impl), body_(body) {
    impl_->stack = std::malloc(stackSize);
    getcontext(&impl_->context);
    impl_->context.uc_stack.ss_sp = impl_->stack;
    impl_->context.uc_stack.ss_size = stackSize;
    impl_->context.uc_link = nullptr;
    makecontext(&impl_->context, entry, 0);
}

Coroutine::~Coroutine() {
    retiredStacks().push_back(impl_->stack);
    delete impl_;
}

void Coroutine::resume() {
    if (finished_ || running) return;
    running = this;
#ifdef SIM_ASAN
    __sanitizer_start_switch_fiber(&impl_->fakeStack, impl_->stack, stackSize);
#endif
    swapcontext(&impl_->caller, &impl_->context);
#ifdef SIM_ASAN
    __sanitizer_finish_switch_fiber(impl_->fakeStack, nullptr, nullptr);
#endif
    running = nullptr;
}

void Coroutine::yield() {
    Coroutine* self = running;
    if (!self) return;
#ifdef SIM_ASAN
    void* fake = nullptr;
    __sanitizer_start_switch_fiber(&fake, self->impl_->callerBottom, self->impl_->callerSize);
#endif
    swapcontext(&self->impl_->context, &self->impl_->caller);
#ifdef SIM_ASAN
    __sanitizer_finish_switch_fiber(fake, &self->impl_->callerBottom, &self->impl_->callerSize);
#endif
}

#endif

bool Coroutine::inside() {
    return running != nullptr;
}

void Coroutine::entry() {
    Coroutine* self = running;
#if defined(SIM_ASAN) && !defined(_WIN32)
    __sanitizer_finish_switch_fiber(nullptr, &self->impl_->callerBottom, &self->impl_->callerSize);
#endif
    self->body_();
    self->finished_ = true;
    // A finished body never runs again; hand control back for good.
    for (;;)
        yield();
}

}  // namespace sim
