// Binds the host seam to ScriptHookV.dll's exports (through the import library made
// from ScriptHookV.def).
#include <windows.h>

#include "host/script_hook.h"

extern "C" {
void shvScriptRegister(HMODULE module, void (*script)());
void shvScriptUnregister(HMODULE module);
void shvKeyboardHandlerRegister(shv::KeyboardHandler handler);
void shvKeyboardHandlerUnregister(shv::KeyboardHandler handler);
void shvScriptWait(DWORD ms);
int shvGetGameVersion();
int shvCreateTexture(const char* path);
void shvDrawTexture(int id, int index, int level, int time, float sizeX, float sizeY, float centerX,
                    float centerY, float posX, float posY, float rotation, float screenHeightScale,
                    float r, float g, float b, float a);
void shvNativeInit(UINT64 hash);
void shvNativePush64(UINT64 value);
PUINT64 shvNativeCall();
}

namespace shv {

void scriptRegister(ModuleHandle module, ScriptFunction script) {
    shvScriptRegister(static_cast<HMODULE>(module), script);
}
void scriptUnregister(ModuleHandle module) {
    shvScriptUnregister(static_cast<HMODULE>(module));
}
void keyboardHandlerRegister(KeyboardHandler handler) {
    shvKeyboardHandlerRegister(handler);
}
void keyboardHandlerUnregister(KeyboardHandler handler) {
    shvKeyboardHandlerUnregister(handler);
}
void scriptWait(uint32_t ms) {
    shvScriptWait(ms);
}
int getGameVersion() {
    return shvGetGameVersion();
}
int createTexture(const char* path) {
    return shvCreateTexture(path);
}
void drawTexture(int id, int index, int level, int time, float sizeX, float sizeY, float centerX,
                 float centerY, float posX, float posY, float rotation, float screenHeightScale,
                 float r, float g, float b, float a) {
    shvDrawTexture(id, index, level, time, sizeX, sizeY, centerX, centerY, posX, posY, rotation,
                   screenHeightScale, r, g, b, a);
}
void nativeInit(uint64_t hash) {
    shvNativeInit(hash);
}
void nativePush64(uint64_t value) {
    shvNativePush64(value);
}
uint64_t* nativeCall() {
    return reinterpret_cast<uint64_t*>(shvNativeCall());
}

}  // namespace shv
