// The Windows DLL's entry point: hands the loader's notifications to the library entry.
#include <windows.h>

#include "core/library_entry.h"
#include "host/game_memory.h"

namespace {

// Constructed with the library's other static objects, before DllMain sees the
// process-attach notification: finds the game's entity pool in the executable's image.
const velquist::EntityPoolLocator entityPoolLocator;

}  // namespace

#ifdef __GLIBCXX__
// The statically linked C++ runtime allocates its emergency exception buffer when the DLL
// is loaded and frees it only through this call; without it every unload leaves that
// buffer (some 70 KiB) behind in the game's heap.
namespace __gnu_cxx {
void __freeres() noexcept;
}
#endif

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID /*reserved*/) {
    velquist::libraryEntry(module, reason);
#ifdef __GLIBCXX__
    if (reason == DLL_PROCESS_DETACH) __gnu_cxx::__freeres();
#endif
    return TRUE;
}
