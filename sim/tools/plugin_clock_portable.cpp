#include "host/portable/portable_platform.h"
#include "tools/plugin_clock.h"

namespace sim {

namespace {

uint32_t heldTick = 0;  // ms the plug-in reads while held

uint32_t readHeldTick() {
    return heldTick;
}

}  // namespace

HeldPluginClock::HeldPluginClock() : previous_(velquist::platform::portable::config.tick) {
    heldTick = 0;
    velquist::platform::portable::config.tick = readHeldTick;
}

HeldPluginClock::~HeldPluginClock() {
    velquist::platform::portable::config.tick = previous_;
}

void HeldPluginClock::set(uint32_t tick) {
    heldTick = tick;
}

}  // namespace sim
