// Scheduling state of the main loop: when the menu runs and when the HUD refreshes.
#pragma once

#include <cstdint>

namespace velquist {

struct Schedule {
    bool menuOpen = false;         // set while the menu runs from the main loop
    int32_t modEnabled = 1;        // 0: no HUD refresh, no overlay; not saved
    uint32_t lastRefreshTime = 0;  // tick count (ms) right after the last refresh finished
    int32_t refreshElapsed = 1;    // ms from the end of the previous refresh to this one
    uint32_t refreshCount = 0;     // refreshes so far, incremented before each refresh
    int32_t loadedProfile = 1;     // number (1..3) of the profile whose values are in memory
};

extern Schedule schedule;

// How long the menu key is left untested after the menu closes (ms).
constexpr uint32_t menuReopenPause = 200;

// Runs one frame's worth of work (control disabling, refresh, overlay), then yields.
void frameStep();

// The frame's work without the yield, for the menu pages that add to a frame.
void frameWork();

// Disables, for the current frame, the game controls that the menu reads.
void disableMenuControls();

// Disables one control of control group 2 for the current frame.
int32_t disableControl(int32_t control);

}  // namespace velquist
