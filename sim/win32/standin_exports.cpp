// The stand-in ScriptHookV.dll: the simulated host's functions under the names the
// real host exports (mapped in ScriptHookV-standin.def), and the simulator's entry for
// velquist-host.exe.
#include <windows.h>

#include "host/script_hook.h"
#include "sim_main.h"
#include "win32/dll_plugin_loader.h"
#include "world/simulated_memory.h"

extern "C" {

void standinScriptRegister(HMODULE module, void (*script)()) {
    shv::scriptRegister(module, script);
}
void standinScriptUnregister(HMODULE module) {
    shv::scriptUnregister(module);
}
void standinKeyboardHandlerRegister(shv::KeyboardHandler handler) {
    shv::keyboardHandlerRegister(handler);
}
void standinKeyboardHandlerUnregister(shv::KeyboardHandler handler) {
    shv::keyboardHandlerUnregister(handler);
}
void standinScriptWait(DWORD ms) {
    shv::scriptWait(ms);
}
int standinGetGameVersion() {
    return shv::getGameVersion();
}
int standinCreateTexture(const char* path) {
    return shv::createTexture(path);
}
void standinDrawTexture(int id, int index, int level, int time, float sizeX, float sizeY,
                        float centerX, float centerY, float posX, float posY, float rotation,
                        float screenHeightScale, float r, float g, float b, float a) {
    shv::drawTexture(id, index, level, time, sizeX, sizeY, centerX, centerY, posX, posY, rotation,
                     screenHeightScale, r, g, b, a);
}
void standinNativeInit(UINT64 hash) {
    shv::nativeInit(hash);
}
void standinNativePush64(UINT64 value) {
    shv::nativePush64(value);
}
PUINT64 standinNativeCall() {
    return reinterpret_cast<PUINT64>(shv::nativeCall());
}

// entityPoolVariable: the variable in the host program's image that the plug-in's scan
// leads to; the simulated entity pool is published there.
int velquistSimMain(int argc, char** argv, void** entityPoolVariable) {
    sim::memory.usePoolVariable(entityPoolVariable);
    sim::DllPluginLoader loader;
    return sim::simMain(argc, argv, loader);
}
}
