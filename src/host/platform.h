// Platform seam: the operating-system services the plug-in uses.
//
// On Windows these are kernel32 (win32/platform_win32.cpp). Elsewhere they are portable
// implementations that behave like kernel32 and map the plug-in's backslash paths onto
// the file system (portable/).
#pragma once

#include <cstddef>
#include <cstdint>

namespace velquist::platform {

// Milliseconds of the system tick counter (GetTickCount); wraps at 2^32.
uint32_t tickCount();

// Full path of the given module's file (GetModuleFileNameA): writes at most size - 1
// characters and a terminating zero into out, returns the number written (0 on failure),
// or size when the name was cut to fit (older systems then leave it unterminated).
size_t moduleFileName(void* module, char* out, size_t size);

// The game executable's mapped image: its base address and size in bytes.
struct ImageRange {
    const uint8_t* base = nullptr;
    size_t size = 0;
};
ImageRange mainModuleImage();

// The pages from an address on that share one state (VirtualQuery): how many of their
// bytes lie from the address on, at most maxBytes, and whether they can be read.
struct MemoryRun {
    size_t bytes = 0;       // from the address on; 0: nothing is known there
    bool readable = false;  // committed, readable and not a guard page
};
MemoryRun memoryRunAt(const void* address, size_t maxBytes);

// The three private-profile functions, with kernel32's behaviour
// (GetPrivateProfileIntA, GetPrivateProfileStringA, WritePrivateProfileStringA).
uint32_t getPrivateProfileInt(const char* section, const char* key, int32_t defaultValue,
                              const char* path);
uint32_t getPrivateProfileString(const char* section, const char* key, const char* defaultValue,
                                 char* out, uint32_t size, const char* path);
bool writePrivateProfileString(const char* section, const char* key, const char* value,
                               const char* path);

// What a settings file's path holds, as the private-profile functions meet it when they
// open it (on Windows with the sharing they grant other programs).
enum class FileProbe {
    absent,      // no such file, or no such folder: a read gives every default
    readable,    // a file they can read and write
    readOnly,    // a file they can read but refuse to write
    unreadable,  // something they cannot read: a file held open without sharing by another
                 // program, refused, not a regular file, or (portable) too large
};
FileProbe probeFile(const char* path);

// Copies the file from into the file to (replaced if there is one). False when the copy
// could not be made whole; a partial copy is removed.
bool copyFile(const char* from, const char* to);

// Puts the file from in the place of the file to in one step; to's old contents are gone.
bool renameOver(const char* from, const char* to);

// Deletes the file; false when it could not.
bool deleteFile(const char* path);

}  // namespace velquist::platform
