// The null host's host seam and platform hooks. Every function does the least its contract
// allows: a table lookup for a native, a counter for a draw.
#include "null_host.h"

#include <string>

#include "host/portable/portable_platform.h"
#include "host/script_hook.h"

namespace null_host {

NullHost host;

namespace {

constexpr int maxArgs = 16;  // more than any native the plug-in calls takes

// The native call being pushed: its answer is looked up when it begins.
struct Call {
    const answers::Answer* answer = nullptr;
    int args = 0;
    uint64_t arg[maxArgs] = {};
};

Call current;
alignas(16) uint64_t resultSlot[4] = {};

uint32_t tick() {
    return host.tick;
}

}  // namespace

void clearAnswers() {
    host.answers.clear();
    host.counters = Counters{};
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
    current.answer = host.answers.find(hash);
    current.args = 0;
}

void nativePush64(uint64_t value) {
    if (current.args < null_host::maxArgs) current.arg[current.args] = value;
    ++current.args;
}

uint64_t* nativeCall() {
    ++host.counters.natives;
    uint64_t* slot = null_host::resultSlot;
    if (!current.answer) {
        slot[0] = slot[1] = slot[2] = 0;
        return slot;
    }
    const int pushed = current.args < null_host::maxArgs ? current.args : null_host::maxArgs;
    answers::AnswerTable::respond(*current.answer, current.arg, static_cast<size_t>(pushed), slot);
    return slot;
}

}  // namespace shv
