// What the shipped Velquist.asi may import and export, and the check of an image against
// it. The plug-in must load into the game with nothing beside it but ScriptHookV.dll:
// exactly the host functions it binds, kernel32 functions named on a written list,
// other functions only from system DLLs, no C++ runtime DLL, and no exports. And no link
// time in its header, so that two builds of one commit are byte for byte the same. A
// program shipped beside it keeps the rules that do not concern the host.
#pragma once

#include <string>
#include <vector>

#include "tools/pe_imports.h"

namespace import_policy {

struct Policy {
    std::vector<std::string> scriptHook;  // ScriptHookV.dll: exactly these names
    std::vector<std::string> kernel32;    // kernel32.dll: only these names
};

// The policy of the shipped plug-in.
Policy shippedPolicy();

// True for the Windows system DLLs a plug-in may rely on (case-insensitive).
bool isSystemDll(const std::string& name);
// True for the DLLs of the GNU C++ runtime, which the plug-in links statically.
bool isCppRuntimeDll(const std::string& name);

// Every way the image breaks the policy, one sentence each; empty when it keeps it.
std::vector<std::string> check(const pe::Image& image, const Policy& policy);

// The same for a program shipped beside the plug-in (VelquistCheck.exe): it runs on any
// Windows as it stands, so it imports from system DLLs only, needs no C++ runtime DLL, and
// carries no link time.
std::vector<std::string> checkStandalone(const pe::Image& image);

}  // namespace import_policy
