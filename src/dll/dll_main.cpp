// The Windows DLL's entry point: hands the loader's notifications to the library entry.
#include <windows.h>

#include "core/library_entry.h"
#include "host/game_memory.h"

namespace {

// Constructed with the library's other static objects, before DllMain sees the
// process-attach notification: finds the game's entity pool in the executable's image.
const velquist::EntityPoolLocator entityPoolLocator;

}  // namespace

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID /*reserved*/) {
    velquist::libraryEntry(module, reason);
    return TRUE;
}
