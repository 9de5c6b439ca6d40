// A module's imports pointed elsewhere: the stand-in host gives the loaded plug-in the
// scenario's time and its faults this way, and VelquistCheck.exe holds the tick count of the
// plug-in code linked into it.
#pragma once

#include <windows.h>

namespace sim {

// Points the module's import of dll!name at replacement; returns what the import pointed
// at before, or 0 when the module does not import it.
ULONG_PTR redirectImport(HMODULE module, const char* dll, const char* name, ULONG_PTR replacement);

}  // namespace sim
