#include "support/test_host.h"

#include "core/process_state.h"
#include "host/natives.h"
#include "host/portable/portable_platform.h"
#include "host/script_hook.h"

namespace testing_host {

TestHost host;
int hostDepth = 0;

namespace {

namespace natives = velquist::natives;
using answers::NativeCall;

// What the host answers without a fake game.
void answerHostNatives() {
    host.answers.answerWith(natives::activeScreenResolution, [](NativeCall& c) {
        if (int* width = c.out<int>(0)) *width = host.screenWidth;
        if (int* height = c.out<int>(1)) *height = host.screenHeight;
    });
    host.answers.answerWith(natives::isControlPressed, [](NativeCall& c) {
        bool pressed = false;
        for (int control : host.pressedControls)
            pressed |= control == c.i32(1);
        c.returnBool(pressed);
    });
    host.answers.answerWith(natives::addTextComponent, [](NativeCall& c) {
        const char* text = c.text(0);
        host.addedTexts.emplace_back(text ? text : "");
    });
}

}  // namespace

void reset() {
    host = TestHost{};
    answerHostNatives();
    velquist::resetProcessState();
    velquist::platform::portable::config = {};
    velquist::platform::portable::config.tick = [] { return host.tick; };
}

void clearDraws() {
    host.draws.clear();
}

int callsOf(uint64_t hash) {
    int n = 0;
    for (const NativeRecord& r : host.natives)
        n += r.hash == hash;
    return n;
}

}  // namespace testing_host

namespace shv {

using testing_host::host;

namespace {

// Marks the host's own work, so that what it allocates is not taken for the plug-in's.
struct HostScope {
    HostScope() { ++testing_host::hostDepth; }
    ~HostScope() { --testing_host::hostDepth; }
    HostScope(const HostScope&) = delete;
    HostScope& operator=(const HostScope&) = delete;
};

// A registration call, recorded by name.
void recordCall(const char* name) {
    const HostScope scope;
    host.calls.push_back(name);
}

}  // namespace

void scriptRegister(ModuleHandle, ScriptFunction) {
    recordCall("scriptRegister");
}
void scriptUnregister(ModuleHandle) {
    recordCall("scriptUnregister");
}
void keyboardHandlerRegister(KeyboardHandler) {
    recordCall("keyboardHandlerRegister");
}
void keyboardHandlerUnregister(KeyboardHandler) {
    recordCall("keyboardHandlerUnregister");
}
void scriptWait(uint32_t) {
    host.tick += host.frameTime;
    ++host.frames;
}
int getGameVersion() {
    return host.gameVersion;
}
int createTexture(const char* path) {
    const HostScope scope;
    host.textures.emplace_back(path ? path : "");
    return static_cast<int>(host.textures.size());
}
void drawTexture(int id, int index, int level, int time, float sizeX, float sizeY, float centerX,
                 float centerY, float posX, float posY, float rotation, float aspect, float r,
                 float g, float b, float a) {
    const HostScope scope;
    host.draws.push_back({id, index, level, time, sizeX, sizeY, centerX, centerY, posX, posY,
                          rotation, aspect, r, g, b, a});
}
void nativeInit(uint64_t hash) {
    const HostScope scope;
    host.pending = {hash, {}};
}
void nativePush64(uint64_t value) {
    const HostScope scope;
    host.pending.args.push_back(value);
}
uint64_t* nativeCall() {
    const HostScope scope;
    host.natives.push_back(host.pending);
    static uint64_t answered[4];
    for (uint64_t& slot : answered)
        slot = 0;
    const std::vector<uint64_t>& args = host.pending.args;
    return host.answers.answer(host.pending.hash, args.data(), args.size(), answered) ? answered
                                                                                      : host.result;
}

}  // namespace shv
