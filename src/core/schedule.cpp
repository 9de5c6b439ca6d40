// The main loop's schedule: frameStep, the one per-frame routine run by the main loop and
// by every menu loop, which decides when the HUD refreshes.
#include "core/schedule.h"

#include <algorithm>
#include <cstdint>

#include "analytics/acceleration_overlay.h"
#include "host/native_call.h"
#include "host/natives.h"
#include "host/platform.h"
#include "hud/refresh_hud.h"
#include "settings/general_settings.h"

namespace velquist {

Schedule schedule;

namespace {

// The controls the menu's keys and buttons would also trigger in the game, in the order
// they are switched off.
constexpr int32_t menuControls[] = {21,  114, 73, 199, 24, 257, 263, 264, 140,
                                    141, 142, 80, 27,  85, 119, 19,  74,  48};

}  // namespace

int32_t disableControl(int32_t control) {
    return native::call<int32_t>(natives::disableControlAction, 2, control, 1);
}

void disableMenuControls() {
    for (int32_t control : menuControls)
        disableControl(control);
}

void frameStep() {
    frameWork();
    shv::scriptWait(0);
}

void frameWork() {
    if (schedule.menuOpen) disableMenuControls();
    if (schedule.modEnabled != 0) {
        const uint32_t now = platform::tickCount();
        // Due once refreshInterval ms have passed since the end of the previous refresh.
        // Measured as a difference, so the test stays right when the tick counter wraps.
        if (now - schedule.lastRefreshTime >= static_cast<uint32_t>(general.refreshInterval)) {
            ++schedule.refreshCount;
            // Never negative: the first refresh measures from 0, and a tick count from
            // 2^31 on (24.8 days after the machine started) would read as a negative time
            // and send the needles and the damage flash the wrong way for a long while.
            const uint32_t elapsed = now - schedule.lastRefreshTime;
            schedule.refreshElapsed = static_cast<int32_t>(std::min<uint32_t>(elapsed, INT32_MAX));
            refreshHud();
            schedule.lastRefreshTime = platform::tickCount();
        }
        drawAccelerationOverlay();
    }
}

}  // namespace velquist
