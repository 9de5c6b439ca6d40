// The INI access layer: every settings file is read and written one key at a time
// through the platform's private-profile functions. Nothing is cached but the plug-in
// folder.
#pragma once

#include <cstdint>
#include <string>

namespace velquist {

// Longest text readIniString returns (its destination holds 64 characters).
constexpr int iniTextMax = 63;

// The folder of the plug-in's own file, with its trailing backslash. Found once and
// cached; an empty answer from the system is not cached, so the next call asks again.
// A name the system had to cut to fit its buffer (260 characters or more) is no folder
// at all: its cut form would name some other folder.
std::string pluginFolderLookup();

// The full path of a file of the data folder Velquist\ beside the plug-in, from its path
// relative to that folder; empty when the plug-in's folder is not known.
std::string dataFilePath(const std::string& relative);

// The "%d" text of a value.
std::string intToText(int32_t value);

// What a key of a number is stored as: the value's decimal text immediately followed by the
// comment (none when null).
std::string storedText(int32_t value, const char* comment);

// The key's leading integer, or defaultValue when the file, section or key is missing or
// the value lies outside minimum..maximum (inclusive). The default is not range-checked.
// An empty path (no data folder) is a missing file, and writing to it stores nothing.
int32_t readIniInt(const std::string& path, const char* section, const char* key,
                   int32_t defaultValue, int32_t minimum, int32_t maximum);

// The key's whole value (anything after a ";" included), at most iniTextMax characters;
// defaultValue, cut likewise, when the file, section or key is missing.
std::string readIniString(const std::string& path, const char* section, const char* key,
                          const char* defaultValue);

// Stores the key as storedText(value, comment). The outcome is ignored: a write that cannot be made
// is lost without notice.
void writeIniInt(const std::string& path, const char* section, const char* key, int32_t value,
                 const char* comment);

}  // namespace velquist
