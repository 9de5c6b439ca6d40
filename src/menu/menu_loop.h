// The frame loop every menu level runs: draw frames until the wait is over, then poll.
#pragma once

#include <cstdint>

#include "host/platform.h"
#include "menu/menu_pages.h"

namespace velquist {

// Wait before the first poll of a level that was just entered (ms).
constexpr int32_t menuEntryWait = 150;

// One frame of a menu level after its lines are drawn: the frame's work (controls,
// refresh, overlay), then `beforeYield` (may be null), then the yield.
void menuFrame(void (*beforeYield)());

// Draws frames for menu.waitTime ms (at least one), then polls; repeats until the poll
// returns false. Each poll starts with the wait at 0 and may set it.
template <class DrawFrame, class Poll>
void runMenuLoop(DrawFrame drawFrame, Poll poll) {
    menu.waitTime = menuEntryWait;
    for (;;) {
        const uint32_t start = platform::tickCount();
        do
            drawFrame();
        while (platform::tickCount() - start < static_cast<uint32_t>(menu.waitTime));
        menu.waitTime = 0;
        if (!poll()) return;
    }
}

}  // namespace velquist
