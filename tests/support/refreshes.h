// HUD refreshes run directly, as the frame step runs them, against the test host.
#pragma once

#include <cstdint>

namespace testing_host {

// Runs `times` refreshes, each `elapsed` ms after the one before: the test host's clock
// moves on by `elapsed`, the schedule counts the refresh and takes `elapsed` as the time
// since the last one, and the HUD refreshes.
void runRefreshes(int times, int32_t elapsed);

}  // namespace testing_host
