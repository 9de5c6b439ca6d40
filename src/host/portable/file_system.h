// The file-system calls of the portable private-profile functions, behind one seam so
// that tests can make them fail (a full disk, a folder that cannot be written, a file
// another program holds).
#pragma once

#include <cstddef>
#include <string>

#include "host/platform.h"

namespace velquist::platform::portable {

// The largest settings file that is read, in bytes. A real one holds a few KiB; a larger
// file (or one that leads to an endless device) reads as unreadable instead of filling
// the memory, since every key read parses the whole file again.
constexpr size_t fileSizeLimit = size_t{1} << 20;

enum class FileRead {
    ok,
    missing,     // no such file in an existing folder
    noFolder,    // the folder the file would be in does not exist
    unreadable,  // a folder, no regular file (a FIFO, a device), refused, larger than
                 // fileSizeLimit, or a read error
};

enum class FileCreate {
    ok,
    exists,  // the name is taken; nothing was written
    failed,  // anything else; a partial file may be left behind
};

struct FileSystem {
    // The whole file into bytes. Only regular files are read, and they are opened without
    // blocking, so a FIFO in the file's place never makes a read wait.
    FileRead (*read)(const std::string& path, std::string& bytes);
    // What read would find, without reading, and whether the file may be written.
    FileProbe (*probe)(const std::string& path);
    // Creates path, which must not exist yet, writes bytes into it and flushes them to the
    // disk.
    FileCreate (*create)(const std::string& path, const std::string& bytes);
    // Puts from in the place of to in one step (the old to, if any, is replaced).
    bool (*rename)(const std::string& from, const std::string& to);
    bool (*remove)(const std::string& path);
};

// The calls in use; tests swap single members and restore systemFileSystem afterwards.
extern FileSystem fileSystem;
extern const FileSystem systemFileSystem;

// The file a path names once symbolic links are followed (the path itself when it is no
// link). A link that leads nowhere names the file it would create.
std::string followLinks(const std::string& path);

// The name of the temporary file beside path that a replacement writes first.
std::string temporaryName(const std::string& path);

// Replaces the file at path (the file a symbolic link names, the link staying as it is)
// with bytes without ever leaving it torn: the bytes go into the temporary file beside it
// (a stale one of an earlier run is removed first), which then takes the old file's
// place. On failure the old file is untouched and the temporary one removed.
bool replaceFileContents(const std::string& path, const std::string& bytes);

}  // namespace velquist::platform::portable
