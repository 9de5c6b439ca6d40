// Host seam: the Script Hook V functions the plug-in calls.
//
// The Windows DLL binds these to ScriptHookV.dll's exports (src/dll/host_binding.cpp);
// the simulator implements them in-process (sim/host/). Nothing above this seam knows
// which of the two it runs against.
#pragma once

#include <cstdint>

namespace shv {

using ModuleHandle = void*;
using ScriptFunction = void (*)();
// key code, repeat count, scan code, extended, alt held, was down before, released now
using KeyboardHandler = void (*)(uint32_t key, uint16_t repeats, uint8_t scanCode, int isExtended,
                                 int isWithAlt, int wasDownBefore, int isUpNow);

void scriptRegister(ModuleHandle module, ScriptFunction script);
void scriptUnregister(ModuleHandle module);
void keyboardHandlerRegister(KeyboardHandler handler);
void keyboardHandlerUnregister(KeyboardHandler handler);

// Always called with 0: yields until the next game frame.
void scriptWait(uint32_t ms);
int getGameVersion();

// Full path of a PNG file; returns the texture id.
int createTexture(const char* path);
// time in ms; sizes, centre and position are screen fractions, rotation in turns,
// screenHeightScale is the aspect factor, r g b a are 0..1.
void drawTexture(int id, int index, int level, int time, float sizeX, float sizeY, float centerX,
                 float centerY, float posX, float posY, float rotation, float screenHeightScale,
                 float r, float g, float b, float a);

void nativeInit(uint64_t hash);
void nativePush64(uint64_t value);
uint64_t* nativeCall();

}  // namespace shv
