// The null host: the host seam answered from a prepared answer table (the scenes fill it
// with fixed answers), with nothing recorded, so that a benchmark's figure is the plug-in's
// own cost. An unknown native answers zero. Only counters are kept: the number of native
// calls, texture draws, texture loads and yields.
#pragma once

#include <cstdint>

#include "answers/answer_table.h"

namespace null_host {

struct Counters {
    uint64_t natives = 0;   // nativeCall calls
    uint64_t draws = 0;     // drawTexture calls
    uint64_t textures = 0;  // createTexture calls
    uint64_t waits = 0;     // scriptWait calls
};

struct NullHost {
    uint32_t tick = 100000;  // ms; the platform's tick count
    uint32_t frameTime = 0;  // ms added at every scriptWait; 0 keeps the clock still
    int gameVersion = 30;    // what getGameVersion answers
    Counters counters;
    answers::AnswerTable answers;  // what the natives answer; empty: every native answers 0
};

extern NullHost host;

// Forgets every prepared answer and zeroes the counters; the clock stays.
void clearAnswers();

// Points the platform's tick count at host.tick and the plug-in's file into gameDir.
void installPlatform(const char* gameDir);

}  // namespace null_host
