// A host for unit tests: answers the host seam in-process with a clock the test sets,
// records what the plug-in asks of it, and resets the plug-in's process-wide state.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace testing_host {

struct NativeRecord {
    uint64_t hash = 0;
    std::vector<uint64_t> args;
};

struct TestHost {
    uint32_t tick = 100000;    // the tick count the plug-in reads (ms)
    uint32_t frameTime = 16;   // ms added at every scriptWait
    int frames = 0;            // scriptWait calls so far
    int gameVersion = 30;
    std::vector<std::string> calls;      // "scriptRegister", "keyboardHandlerUnregister", ...
    std::vector<NativeRecord> natives;   // every native call, in order
    NativeRecord pending;
    uint64_t result[4] = {};             // what the next native calls return
    int screenWidth = 1920;              // px, answered to the screen-resolution native
    int screenHeight = 1080;             // px
    std::vector<int> pressedControls;    // controls of pad 2 that read as pressed
    std::vector<std::string> addedTexts; // every text added to a display text, notification
                                         // or subtitle, copied when it was passed
    // Natives answered by a function of their call instead of `result`: it fills the
    // zeroed result slots.
    std::map<uint64_t, std::function<void(const NativeRecord&, uint64_t* result)>> answers;
};

extern TestHost host;

// Fresh host and fresh plug-in state (key table, schedule, settings, texts, vehicle
// sample, game memory).
void reset();

}  // namespace testing_host
