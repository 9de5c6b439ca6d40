#include "tools/import_policy.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace import_policy {

namespace {

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool startsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

}  // namespace

Policy shippedPolicy() {
    Policy p;
    // The host's functions under their decorated export names (src/dll/ScriptHookV.def).
    p.scriptHook = {
        "?scriptRegister@@YAXPEAUHINSTANCE__@@P6AXXZ@Z",
        "?scriptUnregister@@YAXPEAUHINSTANCE__@@@Z",
        "?keyboardHandlerRegister@@YAXP6AXKGEHHHH@Z@Z",
        "?keyboardHandlerUnregister@@YAXP6AXKGEHHHH@Z@Z",
        "?scriptWait@@YAXK@Z",
        "?getGameVersion@@YA?AW4eGameVersion@@XZ",
        "?createTexture@@YAHPEBD@Z",
        "?drawTexture@@YAXHHHHMMMMMMMMMMMM@Z",
        "?nativeInit@@YAX_K@Z",
        "?nativePush64@@YAX_K@Z",
        "?nativeCall@@YAPEA_KXZ",
    };
    p.kernel32 = {
        // The platform seam (src/host/win32/platform_win32.cpp).
        "GetTickCount",                // the tick count
        "GetModuleFileNameA",          // the plug-in's own file, for its data folder
        "GetModuleHandleA",            // the game executable's module
        "GetCurrentProcess",           // with the next: the executable's image range
        "K32GetModuleInformation",     //
        "GetPrivateProfileIntA",       // the INI files
        "GetPrivateProfileStringA",    //
        "WritePrivateProfileStringA",  //
        "VirtualQuery",                // pages that can be read: the image scan, vehicle objects
                                       // (the C runtime's pseudo-relocations use it as well)
        // Saving a settings file whole (src/settings/whole_file.cpp through the platform
        // seam): whether it can be read and written (with GetLastError and CloseHandle,
        // listed below), the copy kept during a save, putting it back, removing it.
        "CreateFileA",
        "GetFileAttributesA",
        "CopyFileA",
        "MoveFileExA",
        "DeleteFileA",
        // The C runtime's DLL start-up (dllcrt2, libmingw32): start-up lock, thread-local
        // storage callbacks, pseudo-relocations.
        "Sleep",
        "GetLastError",
        "InitializeCriticalSection",
        "EnterCriticalSection",
        "LeaveCriticalSection",
        "DeleteCriticalSection",
        "TlsGetValue",
        "VirtualProtect",
        // The statically linked GNU runtime: thread primitives behind the C++ library
        // (libgcc gthr-win32) and emulated thread-local storage (emutls).
        "TlsAlloc",
        "TlsFree",
        "TlsSetValue",
        "SetLastError",
        "GetCurrentThreadId",
        "CreateSemaphoreW",
        "ReleaseSemaphore",
        "WaitForSingleObject",
        "CloseHandle",
        // C++ exception unwinding over Windows structured exception handling (libgcc_eh).
        "RaiseException",
        "RtlCaptureContext",
        "RtlLookupFunctionEntry",
        "RtlUnwindEx",
        "RtlVirtualUnwind",
        // The C library's multibyte conversions (msvcrt support in libmsvcrt: mbrtowc,
        // wcrtomb), used by the C++ library's character conversions.
        "MultiByteToWideChar",
        "WideCharToMultiByte",
        "IsDBCSLeadByteEx",
        // rand_s support in libmsvcrt (the C++ library's random device) looks its
        // function up at run time.
        "GetModuleHandleW",
        "LoadLibraryW",
        "GetProcAddress",
    };
    return p;
}

bool isSystemDll(const std::string& name) {
    static const std::set<std::string> dlls = {"kernel32.dll", "msvcrt.dll",   "ntdll.dll",
                                               "user32.dll",   "advapi32.dll", "ucrtbase.dll"};
    const std::string n = lower(name);
    return dlls.count(n) != 0 || startsWith(n, "api-ms-win-crt-") ||
           startsWith(n, "api-ms-win-core-");
}

bool isCppRuntimeDll(const std::string& name) {
    const std::string n = lower(name);
    return startsWith(n, "libstdc++") || startsWith(n, "libgcc") || startsWith(n, "libwinpthread");
}

namespace {

void checkLinkTime(const pe::Image& image, std::vector<std::string>& problems) {
    if (image.timeDateStamp != 0)
        problems.push_back("the image carries its link time, so no two builds are alike");
}

}  // namespace

std::vector<std::string> checkStandalone(const pe::Image& image) {
    std::vector<std::string> problems;
    if (image.isDll) problems.push_back("the image is a DLL, not a program");
    checkLinkTime(image, problems);
    for (const pe::ImportedDll& dll : image.dlls) {
        if (isCppRuntimeDll(dll.name))
            problems.push_back("needs the C++ runtime DLL " + dll.name);
        else if (!isSystemDll(dll.name))
            problems.push_back("imports from " + dll.name + ", which is not a system DLL");
    }
    return problems;
}

std::vector<std::string> check(const pe::Image& image, const Policy& policy) {
    std::vector<std::string> problems;
    if (!image.isDll) problems.push_back("the image is not a DLL");
    checkLinkTime(image, problems);
    if (!image.exports.empty())
        problems.push_back("the plug-in has no exports, but the image exports " +
                           std::to_string(image.exports.size()) + " names, the first " +
                           image.exports.front());

    const std::set<std::string> kernel32(policy.kernel32.begin(), policy.kernel32.end());
    std::set<std::string> hostNames;
    bool hostSeen = false;
    for (const pe::ImportedDll& dll : image.dlls) {
        const std::string n = lower(dll.name);
        if (n == "scripthookv.dll") {
            hostSeen = true;
            if (dll.delayed) problems.push_back("ScriptHookV.dll is delay-loaded");
            for (const pe::Import& imp : dll.imports) {
                if (imp.byOrdinal)
                    problems.push_back("ScriptHookV.dll import by ordinal " +
                                       std::to_string(imp.ordinal));
                else
                    hostNames.insert(imp.name);
            }
        } else if (isCppRuntimeDll(n)) {
            problems.push_back("needs the C++ runtime DLL " + dll.name);
        } else if (!isSystemDll(n)) {
            problems.push_back("imports from " + dll.name + ", which is not a system DLL");
        } else if (n == "kernel32.dll") {
            for (const pe::Import& imp : dll.imports) {
                if (imp.byOrdinal)
                    problems.push_back("kernel32.dll import by ordinal " +
                                       std::to_string(imp.ordinal));
                else if (!kernel32.count(imp.name))
                    problems.push_back("kernel32.dll!" + imp.name + " is not on the allowed list");
            }
        }
    }
    if (!hostSeen) problems.push_back("imports nothing from ScriptHookV.dll");
    for (const std::string& name : policy.scriptHook)
        if (!hostNames.count(name))
            problems.push_back("ScriptHookV.dll!" + name + " is not imported");
    const std::set<std::string> expected(policy.scriptHook.begin(), policy.scriptHook.end());
    for (const std::string& name : hostNames)
        if (!expected.count(name))
            problems.push_back("ScriptHookV.dll!" + name +
                               " is not a host function the plug-in binds");
    return problems;
}

}  // namespace import_policy
