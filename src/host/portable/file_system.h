// The file-system calls of the portable private-profile functions, behind one seam so
// that tests can make them fail (a full disk, a folder that cannot be written).
#pragma once

#include <string>

namespace velquist::platform::portable {

enum class FileRead {
    ok,
    missing,     // no such file in an existing folder
    noFolder,    // the folder the file would be in does not exist
    unreadable,  // a folder, or a read error
};

enum class FileCreate {
    ok,
    exists,  // the name is taken; nothing was written
    failed,  // anything else; a partial file may be left behind
};

struct FileSystem {
    // The whole file into bytes.
    FileRead (*read)(const std::string& path, std::string& bytes);
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

// Replaces the file at path with bytes without ever leaving it torn: the bytes go into a
// new file in the same folder, which then takes the old file's place. On failure the old
// file is untouched and the new one removed.
bool replaceFileContents(const std::string& path, const std::string& bytes);

}  // namespace velquist::platform::portable
