// The platform seam on Windows: kernel32.
#include <windows.h>
// psapi.h needs windows.h first.
#include <psapi.h>

#include "host/platform.h"

namespace velquist::platform {

uint32_t tickCount() {
    return GetTickCount();
}

size_t moduleFileName(void* module, char* out, size_t size) {
    if (!out || size == 0) return 0;
    return GetModuleFileNameA(static_cast<HMODULE>(module), out, static_cast<DWORD>(size));
}

ImageRange mainModuleImage() {
    MODULEINFO info{};
    if (!K32GetModuleInformation(GetCurrentProcess(), GetModuleHandleA(nullptr), &info,
                                 sizeof info))
        return {};
    return {static_cast<const uint8_t*>(info.lpBaseOfDll), info.SizeOfImage};
}

MemoryRun memoryRunAt(const void* address, size_t maxBytes) {
    MEMORY_BASIC_INFORMATION info{};
    if (VirtualQuery(address, &info, sizeof info) == 0) return {};
    constexpr DWORD readable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                               PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    const auto at = reinterpret_cast<uintptr_t>(address);
    const uintptr_t end = reinterpret_cast<uintptr_t>(info.BaseAddress) + info.RegionSize;
    const size_t bytes = end > at ? end - at : 0;
    return {bytes < maxBytes ? bytes : maxBytes,
            info.State == MEM_COMMIT && (info.Protect & readable) != 0 &&
                (info.Protect & (PAGE_GUARD | PAGE_NOACCESS)) == 0};
}

uint32_t getPrivateProfileInt(const char* section, const char* key, int32_t defaultValue,
                              const char* path) {
    return GetPrivateProfileIntA(section, key, defaultValue, path);
}

uint32_t getPrivateProfileString(const char* section, const char* key, const char* defaultValue,
                                 char* out, uint32_t size, const char* path) {
    return GetPrivateProfileStringA(section, key, defaultValue, out, size, path);
}

bool writePrivateProfileString(const char* section, const char* key, const char* value,
                               const char* path) {
    return WritePrivateProfileStringA(section, key, value, path) != 0;
}

FileProbe probeFile(const char* path) {
    // The private-profile functions open a file for reading with this sharing; a program
    // that holds it open without sharing makes them fail.
    const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        switch (GetLastError()) {
            case ERROR_FILE_NOT_FOUND:
            case ERROR_PATH_NOT_FOUND:
            case ERROR_INVALID_NAME:
            case ERROR_INVALID_DRIVE:
            case ERROR_BAD_PATHNAME:
            case ERROR_BAD_NETPATH:
                return FileProbe::absent;
            default:
                return FileProbe::unreadable;  // a sharing violation, a folder, no access
        }
    }
    CloseHandle(file);
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)
               ? FileProbe::readOnly
               : FileProbe::readable;
}

bool copyFile(const char* from, const char* to) {
    if (CopyFileA(from, to, FALSE)) return true;
    DeleteFileA(to);
    return false;
}

bool renameOver(const char* from, const char* to) {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool deleteFile(const char* path) {
    return DeleteFileA(path) != 0;
}

}  // namespace velquist::platform
