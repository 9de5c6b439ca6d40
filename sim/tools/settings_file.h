// A settings file's bytes for the folder check's listing, read as the plug-in's
// private-profile functions meet the file: on Linux through the portable layer's own file
// access (only regular files, up to its size limit, never waiting on a FIFO), on Windows
// after kernel32 has been asked whether it can open the file with the sharing those
// functions use (a file held open by another program cannot be read).
#pragma once

#include <string>

namespace sim {

enum class SettingsRead {
    ok,
    absent,      // no such file or folder: every key takes its default
    unreadable,  // there, but the plug-in cannot read it
};

// pluginPath in the plug-in's form (settings/ini_access.h's dataFilePath).
SettingsRead readSettingsFile(const std::string& pluginPath, std::string& bytes);

}  // namespace sim
