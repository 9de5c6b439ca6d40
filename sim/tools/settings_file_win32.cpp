#include <windows.h>

#include "host/platform.h"
#include "tools/settings_file.h"

namespace sim {

namespace {

// The most the check lists of one file; kernel32 reads a larger one, but no settings file
// is that large, and holding it whole would cost as much memory.
constexpr DWORD listedBytesMax = DWORD{64} << 20;

}  // namespace

SettingsRead readSettingsFile(const std::string& pluginPath, std::string& bytes) {
    bytes.clear();
    switch (velquist::platform::probeFile(pluginPath.c_str())) {
        case velquist::platform::FileProbe::absent:
            return SettingsRead::absent;
        case velquist::platform::FileProbe::unreadable:
            return SettingsRead::unreadable;
        case velquist::platform::FileProbe::readable:
        case velquist::platform::FileProbe::readOnly:
            break;
    }
    const HANDLE file =
        CreateFileA(pluginPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return SettingsRead::unreadable;
    LARGE_INTEGER size{};
    bool whole = GetFileSizeEx(file, &size) && size.QuadPart <= listedBytesMax;
    if (whole) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        whole = bytes.empty() ||
                (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
                 read == bytes.size());
    }
    CloseHandle(file);
    if (!whole) bytes.clear();
    return whole ? SettingsRead::ok : SettingsRead::unreadable;
}

}  // namespace sim
