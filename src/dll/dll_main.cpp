// The Windows DLL's entry point: hands the loader's notifications to the library entry.
#include <windows.h>

#include "core/library_entry.h"

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID /*reserved*/) {
    velquist::libraryEntry(module, reason);
    return TRUE;
}
