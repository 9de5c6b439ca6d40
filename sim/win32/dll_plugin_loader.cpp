#include "win32/dll_plugin_loader.h"

#include <windows.h>

#include <cstring>
#include <filesystem>

#include "host/sim_host.h"
#include "settings/data_files.h"
#include "sim_files.h"
#include "win32/import_redirect.h"
#include "world/simulated_memory.h"

namespace sim {

namespace {

DWORD WINAPI simulatedGetTickCount() {
    return host.tick;
}

// The game's memory as the plug-in asks about it: a watched object is the readable memory
// it stands for, whatever the watch has made of its pages; all else is the system's answer.
SIZE_T WINAPI simulatedVirtualQuery(LPCVOID address, PMEMORY_BASIC_INFORMATION info, SIZE_T size) {
    const SIZE_T answer = VirtualQuery(address, info, size);
    uintptr_t start = 0, end = 0;
    if (answer >= sizeof *info &&
        memory.watchedObjectAt(reinterpret_cast<uintptr_t>(address), start, end)) {
        info->BaseAddress = reinterpret_cast<PVOID>(start);
        info->RegionSize = end - start;
        info->State = MEM_COMMIT;
        info->Protect = PAGE_READWRITE;
    }
    return answer;
}

// The C runtime's malloc as the plug-in imported it, and the plug-in's allocations still to
// fail (its operator new then throws std::bad_alloc).
using Malloc = void*(__cdecl*)(size_t);
Malloc runtimeMalloc = nullptr;
uint32_t allocationFailures = 0;

void* __cdecl pluginMalloc(size_t size) {
    if (allocationFailures > 0) {
        --allocationFailures;
        return nullptr;
    }
    return runtimeMalloc(size);
}
}  // namespace

bool DllPluginLoader::load(const std::string& gameDir, std::string& error) {
    namespace fs = std::filesystem;
    char full[MAX_PATH] = {};
    if (GetFullPathNameA(gameDir.c_str(), MAX_PATH, full, nullptr) == 0) {
        error = "bad game folder " + gameDir;
        return false;
    }
    std::string dir = full;
    if (!dir.empty() && dir.back() == '\\') dir.pop_back();
    const std::string plugin = dir + "\\Velquist.asi";
    std::error_code ec;
    if (!fs::exists(plugin, ec)) {
        // A temporary game folder gets the plug-in that sits beside the host.
        fs::copy_file(executableFolder() / "Velquist.asi", plugin, ec);
    }
    host.dataFolder = dir + "\\" + velquist::dataFolderName + "\\";
    HMODULE module = LoadLibraryA(plugin.c_str());
    if (!module) {
        error = "cannot load " + plugin + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    module_ = module;
    // The plug-in's time is the scenario's time, its questions on memory pages are
    // answered for the game's memory, and its allocations can be made to fail.
    if (!redirectImport(module, "kernel32.dll", "GetTickCount",
                        reinterpret_cast<ULONG_PTR>(&simulatedGetTickCount))) {
        error = "Velquist.asi does not import GetTickCount from kernel32";
        return false;
    }
    if (!redirectImport(module, "kernel32.dll", "VirtualQuery",
                        reinterpret_cast<ULONG_PTR>(&simulatedVirtualQuery))) {
        error = "Velquist.asi does not import VirtualQuery from kernel32";
        return false;
    }
    const ULONG_PTR runtime =
        redirectImport(module, "msvcrt.dll", "malloc", reinterpret_cast<ULONG_PTR>(&pluginMalloc));
    if (!runtime) {
        error = "Velquist.asi does not import malloc from msvcrt";
        return false;
    }
    runtimeMalloc = reinterpret_cast<Malloc>(runtime);
    return true;
}

void DllPluginLoader::unload() {
    if (module_) FreeLibrary(static_cast<HMODULE>(module_));
    module_ = nullptr;
}

bool DllPluginLoader::failAllocations(uint32_t count) {
    allocationFailures = count;
    return true;
}

bool DllPluginLoader::holdFile(const std::string& hostPath, bool held, std::string& error) {
    const auto it = held_.find(hostPath);
    if (!held) {
        if (it != held_.end()) CloseHandle(static_cast<HANDLE>(it->second));
        if (it != held_.end()) held_.erase(it);
        return true;
    }
    if (it != held_.end()) return true;
    // No sharing at all: other opens of the file fail with a sharing violation, as they do
    // while an editor or a backup program has it open.
    const HANDLE file = CreateFileA(hostPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = "cannot hold " + hostPath + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    held_[hostPath] = file;
    return true;
}

}  // namespace sim
