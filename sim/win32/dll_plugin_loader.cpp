#include "win32/dll_plugin_loader.h"

#include <windows.h>

#include <cstring>
#include <filesystem>

#include "host/sim_host.h"
#include "sim_files.h"

namespace sim {

namespace {

DWORD WINAPI simulatedGetTickCount() { return host.tick; }

bool sameNameNoCase(const char* a, const char* b) { return _stricmp(a, b) == 0; }

// Points the module's import of kernel32's GetTickCount at the simulated clock, so that
// the plug-in's time is the scenario's time. Returns whether the import was found.
bool redirectTickCount(HMODULE module) {
    auto* base = reinterpret_cast<unsigned char*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0) return false;
    bool found = false;
    for (auto* desc = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         desc->Name != 0; ++desc) {
        if (!sameNameNoCase(reinterpret_cast<const char*>(base + desc->Name), "kernel32.dll"))
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(
            base + (desc->OriginalFirstThunk ? desc->OriginalFirstThunk : desc->FirstThunk));
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + desc->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), "GetTickCount") != 0)
                continue;
            DWORD old = 0;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &old);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(&simulatedGetTickCount);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
            found = true;
        }
    }
    return found;
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
    host.dataFolder = dir + "\\Velquist\\";
    HMODULE module = LoadLibraryA(plugin.c_str());
    if (!module) {
        error = "cannot load " + plugin + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    module_ = module;
    if (!redirectTickCount(module)) {
        error = "Velquist.asi does not import GetTickCount from kernel32";
        return false;
    }
    return true;
}

void DllPluginLoader::unload() {
    if (module_) FreeLibrary(static_cast<HMODULE>(module_));
    module_ = nullptr;
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
