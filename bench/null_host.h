// The null host: the host seam answered from a prepared table, with nothing recorded, so
// that a benchmark's figure is the plug-in's own cost. Natives are looked up by hash in a
// small open-addressed table; an unknown native answers zero. Only counters are kept: the
// number of native calls, texture draws, texture loads and yields.
#pragma once

#include <cstdint>

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
};

extern NullHost host;

// Forgets every prepared answer and zeroes the counters; the clock stays.
void clearAnswers();

// The native answers this 64-bit slot value (ints zero-extended, bools 0 or 1).
void answerInt(uint64_t hash, int32_t value);
void answerFloat(uint64_t hash, float value);
void answerText(uint64_t hash, const char* text);
void answerVector(uint64_t hash, float x, float y, float z);
// The native writes these ints through its arguments from argument `first` on (out
// parameters such as a colour's r, g and b).
void answerOuts(uint64_t hash, int first, int32_t a, int32_t b, int32_t c = 0);

// Points the platform's tick count at host.tick and the plug-in's file into gameDir.
void installPlatform(const char* gameDir);

}  // namespace null_host
