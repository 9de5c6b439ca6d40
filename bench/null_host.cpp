// The null host's host seam and platform hooks. Every function does the least its contract
// allows: a table lookup for a native, a counter for a draw.
#include "null_host.h"

#include <cstring>
#include <string>

#include "host/portable/portable_platform.h"
#include "host/script_hook.h"

namespace null_host {

NullHost host;

namespace {

constexpr int tableSize = 128;  // a power of two, well above the ~50 natives the plug-in uses
constexpr int maxArgs = 16;     // more than any native the plug-in calls takes

struct Answer {
    uint64_t hash = 0;  // 0: a free entry
    uint64_t result[3] = {};
    int outFirst = -1;  // first argument written through, -1 for none
    int outCount = 0;
    int32_t outs[3] = {};
};

Answer table[tableSize];

struct Call {
    const Answer* answer = nullptr;
    int args = 0;
    uint64_t arg[maxArgs] = {};
};

Call current;
alignas(16) uint64_t resultSlot[4] = {};

size_t slotOf(uint64_t hash) {
    return static_cast<size_t>((hash ^ (hash >> 29)) & (tableSize - 1));
}

const Answer* find(uint64_t hash) {
    for (size_t i = slotOf(hash), n = 0; n < tableSize; i = (i + 1) & (tableSize - 1), ++n) {
        if (table[i].hash == hash) return &table[i];
        if (table[i].hash == 0) return nullptr;
    }
    return nullptr;
}

Answer& entry(uint64_t hash) {
    size_t i = slotOf(hash);
    while (table[i].hash != 0 && table[i].hash != hash)
        i = (i + 1) & (tableSize - 1);
    table[i].hash = hash;
    return table[i];
}

uint32_t tick() {
    return host.tick;
}

}  // namespace

void clearAnswers() {
    for (Answer& a : table)
        a = Answer{};
    host.counters = Counters{};
}

void answerInt(uint64_t hash, int32_t value) {
    entry(hash).result[0] = static_cast<uint32_t>(value);
}

void answerFloat(uint64_t hash, float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    entry(hash).result[0] = bits;
}

void answerText(uint64_t hash, const char* text) {
    entry(hash).result[0] = reinterpret_cast<uintptr_t>(text);
}

void answerVector(uint64_t hash, float x, float y, float z) {
    Answer& a = entry(hash);
    const float v[3] = {x, y, z};
    for (int i = 0; i < 3; ++i) {
        uint32_t bits;
        std::memcpy(&bits, &v[i], sizeof bits);
        a.result[i] = bits;
    }
}

void answerOuts(uint64_t hash, int first, int32_t a, int32_t b, int32_t c) {
    Answer& e = entry(hash);
    e.outFirst = first;
    e.outCount = 3;
    e.outs[0] = a;
    e.outs[1] = b;
    e.outs[2] = c;
}

void installPlatform(const char* gameDir) {
    velquist::platform::portable::config.tick = &tick;
    velquist::platform::portable::config.moduleFile = std::string(gameDir) + "/Velquist.asi";
}

}  // namespace null_host

namespace shv {

using null_host::current;
using null_host::host;

void scriptRegister(ModuleHandle, ScriptFunction) {}
void scriptUnregister(ModuleHandle) {}
void keyboardHandlerRegister(KeyboardHandler) {}
void keyboardHandlerUnregister(KeyboardHandler) {}

void scriptWait(uint32_t) {
    ++host.counters.waits;
    host.tick += host.frameTime;
}

int getGameVersion() {
    return host.gameVersion;
}

int createTexture(const char*) {
    return static_cast<int>(++host.counters.textures);
}

void drawTexture(int, int, int, int, float, float, float, float, float, float, float, float, float,
                 float, float, float) {
    ++host.counters.draws;
}

void nativeInit(uint64_t hash) {
    current.answer = null_host::find(hash);
    current.args = 0;
}

void nativePush64(uint64_t value) {
    if (current.args < null_host::maxArgs) current.arg[current.args] = value;
    ++current.args;
}

uint64_t* nativeCall() {
    ++host.counters.natives;
    uint64_t* slot = null_host::resultSlot;
    const null_host::Answer* a = current.answer;
    if (!a) {
        slot[0] = slot[1] = slot[2] = 0;
        return slot;
    }
    slot[0] = a->result[0];
    slot[1] = a->result[1];
    slot[2] = a->result[2];
    for (int i = 0; i < a->outCount; ++i) {
        const int n = a->outFirst + i;
        if (n < current.args && n < null_host::maxArgs && current.arg[n] != 0)
            *reinterpret_cast<int32_t*>(static_cast<uintptr_t>(current.arg[n])) = a->outs[i];
    }
    return slot;
}

}  // namespace shv
