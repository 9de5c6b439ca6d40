#include <windows.h>

#include "tools/plugin_clock.h"
#include "win32/import_redirect.h"

namespace sim {

namespace {

uint32_t heldTick = 0;  // ms the plug-in reads while held

DWORD WINAPI readHeldTick() {
    return heldTick;
}

// Points the program's import of GetTickCount at a clock; returns the one it pointed at.
uint32_t (*pointTickCountAt(uint32_t (*clock)()))() {
    return reinterpret_cast<uint32_t (*)()>(redirectImport(GetModuleHandleA(nullptr),
                                                           "kernel32.dll", "GetTickCount",
                                                           reinterpret_cast<ULONG_PTR>(clock)));
}

}  // namespace

HeldPluginClock::HeldPluginClock() {
    heldTick = 0;
    previous_ = pointTickCountAt(reinterpret_cast<uint32_t (*)()>(&readHeldTick));
}

HeldPluginClock::~HeldPluginClock() {
    if (previous_) pointTickCountAt(previous_);
}

void HeldPluginClock::set(uint32_t tick) {
    heldTick = tick;
}

}  // namespace sim
