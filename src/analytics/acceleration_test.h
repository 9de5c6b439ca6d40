// The acceleration test: times how long the vehicle takes from a start speed to a stop
// speed (a braking run when the stop speed is lower), shows the time at the bottom of the
// screen and stores each result in Velquist\analytics.ini under the vehicle's livery.
#pragma once

#include <array>
#include <cstdint>

namespace velquist {

struct AccelerationTest {
    int32_t testMode = 0;        // 0 off, 1 once, 2 on (Analytics page, not saved)
    int32_t startSpeedTens = 0;  // start speed in tens of the kind's display unit, 0..50
    int32_t stopSpeedTens = 10;  // stop speed in tens of the kind's display unit, 0..50
    bool measuring = false;      // a run is in progress
    uint32_t startTick = 0;      // tick count (ms) at the start of the run
    uint32_t endTick = 0;        // tick count (ms) at the end of the last completed run
    bool hasResult = false;      // a run has been completed since the game started
};

extern AccelerationTest acceleration;

// How long a finished run's time stays on screen (ms).
constexpr uint32_t accelerationResultTime = 5000;

// One step of the test with the current and previous speed in display units (each
// already lowered by 0.2). Returns true when this step finished a run; the run's time is
// then endTick - startTick.
bool advanceAccelerationTest(float v, float vPrev, uint32_t now);

// The result's key in analytics.ini: start and stop speed, each three characters wide
// with leading "_", and the unit name, e.g. __0-100kmh or _50-120mph.
std::array<char, 32> accelerationResultKey(int32_t startTens, int32_t stopTens,
                                           const char* unitName);

// The seven time cells of the overlay for a time in ms: hundreds, tens and units of
// seconds, ".", tenths, hundredths, "s"; leading zeros of the first two are empty.
std::array<std::array<char, 2>, 7> accelerationTimeCells(uint32_t ms);

// The time the overlay shows now, or false when it shows nothing.
bool accelerationShownTime(uint32_t now, uint32_t& ms);

}  // namespace velquist
