// A host for unit tests: answers the host seam in-process with a clock the test sets,
// records what the plug-in asks of it, and resets the plug-in's process-wide state.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "answers/answer_table.h"

namespace testing_host {

struct NativeRecord {
    uint64_t hash = 0;
    std::vector<uint64_t> args;
};

// One drawTexture call as the plug-in made it.
struct DrawCall {
    int id = 0;
    int index = 0;
    int level = 0;
    int time = 0;
    float sizeX = 0, sizeY = 0, centerX = 0, centerY = 0, posX = 0, posY = 0;
    float rotation = 0;
    float aspect = 0;
    float r = 0, g = 0, b = 0, a = 0;
};

struct TestHost {
    uint32_t tick = 100000;   // the tick count the plug-in reads (ms)
    uint32_t frameTime = 16;  // ms added at every scriptWait
    int frames = 0;           // scriptWait calls so far
    int gameVersion = 30;
    std::vector<std::string> calls;     // "scriptRegister", "keyboardHandlerUnregister", ...
    std::vector<NativeRecord> natives;  // every native call, in order
    std::vector<std::string> textures;  // path of every createTexture; id i is entry i - 1
    std::vector<DrawCall> draws;        // every drawTexture call, in order
    NativeRecord pending;
    uint64_t result[4] = {};              // what the next native calls return
    int screenWidth = 1920;               // px, answered to the screen-resolution native
    int screenHeight = 1080;              // px
    std::vector<int> pressedControls;     // controls of pad 2 that read as pressed
    std::vector<std::string> addedTexts;  // every text added to a display text, notification
                                          // or subtitle, copied when it was passed
    // Natives answered from the table instead of `result`, into zeroed result slots. A
    // reset answers the screen resolution (screenWidth, screenHeight), controls pressed
    // (pressedControls, any pad) and text components (kept in addedTexts); a FakeGame
    // answers the natives of its game.
    answers::AnswerTable answers;
};

extern TestHost host;

// Above 0 while a host function runs (a native's answer included).
extern int hostDepth;

// Fresh host and fresh plug-in state (key table, schedule, settings, texts, vehicle
// sample, game memory, HUD state and textures).
void reset();

// Forgets the draws recorded so far, so that a test sees only the draws of what it runs
// next; the textures, the clock and the plug-in's state stay.
void clearDraws();

// How often the native was called since the record was last cleared.
int callsOf(uint64_t hash);

}  // namespace testing_host
