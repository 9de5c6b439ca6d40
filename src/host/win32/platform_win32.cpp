// The platform seam on Windows: kernel32.
#include <windows.h>
#include <psapi.h>

#include "host/platform.h"

namespace velquist::platform {

uint32_t tickCount() { return GetTickCount(); }

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

}  // namespace velquist::platform
