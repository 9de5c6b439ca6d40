#include "support/test_host.h"

#include <cstring>

#include "core/process_state.h"
#include "host/natives.h"
#include "host/portable/portable_platform.h"
#include "host/script_hook.h"

namespace testing_host {

TestHost host;
int hostDepth = 0;

void reset() {
    host = TestHost{};
    velquist::resetProcessState();
    velquist::platform::portable::config = {};
    velquist::platform::portable::config.tick = [] { return host.tick; };
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
namespace natives = velquist::natives;

namespace {

// Marks the host's own work, so that what it allocates is not taken for the plug-in's.
struct HostScope {
    HostScope() { ++testing_host::hostDepth; }
    ~HostScope() { --testing_host::hostDepth; }
    HostScope(const HostScope&) = delete;
    HostScope& operator=(const HostScope&) = delete;
};

}  // namespace

void scriptRegister(ModuleHandle, ScriptFunction) {
    const HostScope scope;
    host.calls.push_back("scriptRegister");
}
void scriptUnregister(ModuleHandle) {
    const HostScope scope;
    host.calls.push_back("scriptUnregister");
}
void keyboardHandlerRegister(KeyboardHandler) {
    const HostScope scope;
    host.calls.push_back("keyboardHandlerRegister");
}
void keyboardHandlerUnregister(KeyboardHandler) {
    const HostScope scope;
    host.calls.push_back("keyboardHandlerUnregister");
}
void scriptWait(uint32_t) {
    host.tick += host.frameTime;
    ++host.frames;
}
int getGameVersion() { return host.gameVersion; }
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
    auto answer = host.answers.find(host.pending.hash);
    if (answer != host.answers.end()) {
        static uint64_t answered[4];
        for (uint64_t& slot : answered) slot = 0;
        answer->second(host.pending, answered);
        return answered;
    }
    const std::vector<uint64_t>& args = host.pending.args;
    if (host.pending.hash == natives::activeScreenResolution && args.size() == 2) {
        *reinterpret_cast<int*>(static_cast<uintptr_t>(args[0])) = host.screenWidth;
        *reinterpret_cast<int*>(static_cast<uintptr_t>(args[1])) = host.screenHeight;
    } else if (host.pending.hash == natives::isControlPressed && args.size() == 2) {
        bool pressed = false;
        for (int c : host.pressedControls) pressed |= static_cast<uint64_t>(c) == args[1];
        host.result[0] = pressed ? 1 : 0;
    } else if (host.pending.hash == natives::addTextComponent && args.size() == 1) {
        const char* text = reinterpret_cast<const char*>(static_cast<uintptr_t>(args[0]));
        host.addedTexts.emplace_back(text ? text : "");
    }
    return host.result;
}

}  // namespace shv
