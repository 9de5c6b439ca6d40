// POSIX file access for the portable private-profile functions.
#include "host/portable/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace velquist::platform::portable {

namespace {

FileRead readFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOTDIR) return FileRead::noFolder;
        if (errno != ENOENT) return FileRead::unreadable;
        const size_t slash = path.rfind('/');
        const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
        struct stat info;
        return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? FileRead::missing
                                                                           : FileRead::noFolder;
    }
    char buf[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            bytes.clear();
            return FileRead::unreadable;  // EISDIR for a folder
        }
        bytes.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return FileRead::ok;
}

FileCreate createFile(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return errno == EEXIST ? FileCreate::exists : FileCreate::failed;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ::close(fd);
            return FileCreate::failed;  // ENOSPC on a full disk
        }
        done += static_cast<size_t>(n);
    }
    // The data must be on the disk before the new file replaces the old one.
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced ? FileCreate::ok : FileCreate::failed;
}

bool renameFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool removeFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

}  // namespace

const FileSystem systemFileSystem = {readFile, createFile, renameFile, removeFile};
FileSystem fileSystem = systemFileSystem;

bool replaceFileContents(const std::string& path, const std::string& bytes) {
    // A name of our own beside the file; a leftover of an earlier crash is skipped over.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string temp =
            path + ".~" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        switch (fileSystem.create(temp, bytes)) {
            case FileCreate::ok:
                if (fileSystem.rename(temp, path)) return true;
                fileSystem.remove(temp);
                return false;
            case FileCreate::exists:
                continue;
            case FileCreate::failed:
                fileSystem.remove(temp);
                return false;
        }
    }
    return false;
}

}  // namespace velquist::platform::portable
