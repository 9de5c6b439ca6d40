// Scenes for the null host: the plug-in started on a copy of the shipped data folder, and
// the answers of a game in which the player drives a busy car or flies a plane.
#pragma once

#include <cstdint>
#include <filesystem>

namespace bench {

// settings1.ini of the benchmarks: the default profile with the rpm LEDs instead of the
// analogue rpm gauge, so that a car shows LEDs, gear, damage, fuel, brand and its colour.
extern const char* const busyProfile;

// Fresh plug-in state, the platform pointed at the game folder, an entity pool for the
// gear, rpm and throttle reads, then the start-up sequence.
void startNullPlugin(const std::filesystem::path& game);

// The player drives a damaged Blista (brand, custom colour, fuel values, third gear at 70 %
// rpm) at 30 m/s.
void enterBusyCar();

// The player flies a Lazer at 80 m/s, climbing at 6 m/s.
void enterPlane();

// Runs frames of frameTime ms each (the main loop's frame step, as the game runs it).
void runFrames(int count, uint32_t frameTime);

// Enough 16 ms frames for the cluster to be shown in full: past the 100th refresh, which
// reads the time of day, and past the 2 s fade-in. The clock is left 16 ms on, so the next
// frame refreshes.
void settleCluster();

// Stops the clock and runs the frame whose refresh is due, so that no later frame refreshes.
void stopClock();

// One frame of the menu's Features page with select held on its first item, as the page's
// loop runs it: the title and the items with their values, the frame's work and yield,
// then the help box. Needs schedule.menuOpen set for the controls to be disabled.
void featuresPageFrame();

}  // namespace bench
