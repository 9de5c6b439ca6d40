#include "support/test_host.h"

#include "core/key_state.h"
#include "core/process_texts.h"
#include "core/schedule.h"
#include "host/portable/portable_platform.h"
#include "host/script_hook.h"
#include "hud/display_settings.h"
#include "settings/extended_settings.h"
#include "settings/general_settings.h"
#include "settings/profile_settings.h"

namespace testing_host {

TestHost host;

void reset() {
    host = TestHost{};
    velquist::platform::portable::config = {};
    velquist::platform::portable::config.tick = [] { return host.tick; };
    velquist::keyStates = velquist::KeyStateTable{};
    velquist::schedule = velquist::Schedule{};
    velquist::general = velquist::GeneralSettings{};
    velquist::texts = velquist::ProcessTexts{};
    velquist::profile = velquist::ProfileSettings{};
    velquist::display = velquist::DisplaySettings{};
    velquist::layout = velquist::Layout{};
    velquist::extended = velquist::ExtendedSettings{};
}

}  // namespace testing_host

namespace shv {

using testing_host::host;

void scriptRegister(ModuleHandle, ScriptFunction) { host.calls.push_back("scriptRegister"); }
void scriptUnregister(ModuleHandle) { host.calls.push_back("scriptUnregister"); }
void keyboardHandlerRegister(KeyboardHandler) { host.calls.push_back("keyboardHandlerRegister"); }
void keyboardHandlerUnregister(KeyboardHandler) {
    host.calls.push_back("keyboardHandlerUnregister");
}
void scriptWait(uint32_t) {
    host.tick += host.frameTime;
    ++host.frames;
}
int getGameVersion() { return host.gameVersion; }
int createTexture(const char*) { return 0; }
void drawTexture(int, int, int, int, float, float, float, float, float, float, float, float,
                 float, float, float, float) {}
void nativeInit(uint64_t hash) { host.pending = {hash, {}}; }
void nativePush64(uint64_t value) { host.pending.args.push_back(value); }
uint64_t* nativeCall() {
    host.natives.push_back(host.pending);
    return host.result;
}

}  // namespace shv
