// POSIX file access for the portable private-profile functions.
#include "host/portable/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace velquist::platform::portable {

namespace {

// Links followed before a path counts as leading nowhere (the system's own limit).
constexpr int linkLimit = 40;

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

// Why an open for reading failed, as a read reports it.
FileRead openFailure(const std::string& path) {
    if (errno == ENOTDIR) return FileRead::noFolder;
    if (errno != ENOENT) return FileRead::unreadable;
    struct stat info;
    const std::string folder = folderOf(path);
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? FileRead::missing
                                                                       : FileRead::noFolder;
}

// Opens path for reading without waiting for a writer (a FIFO) and keeps it open only
// when it is a regular file within the size limit. fd is -1 unless ok is returned.
FileRead openRegular(const std::string& path, int& fd, struct stat& info) {
    fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return openFailure(path);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<unsigned long long>(info.st_size) > fileSizeLimit) {
        ::close(fd);
        fd = -1;
        return FileRead::unreadable;
    }
    return FileRead::ok;
}

FileRead readFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    int fd;
    struct stat info;
    const FileRead opened = openRegular(path, fd, info);
    if (opened != FileRead::ok) return opened;
    char buf[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n == 0) break;
        if (n < 0 && errno == EINTR) continue;
        // A read error, or a file that grew past the limit while it was read.
        if (n < 0 || bytes.size() + static_cast<size_t>(n) > fileSizeLimit) {
            ::close(fd);
            bytes.clear();
            return FileRead::unreadable;
        }
        bytes.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return FileRead::ok;
}

FileProbe probeFile(const std::string& path) {
    int fd;
    struct stat info;
    switch (openRegular(path, fd, info)) {
        case FileRead::ok:
            break;
        case FileRead::missing:
        case FileRead::noFolder:
            return FileProbe::absent;
        case FileRead::unreadable:
            return FileProbe::unreadable;
    }
    ::close(fd);
    // Windows calls a file without write permission read-only, also for its administrator.
    const bool writable =
        (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(path.c_str(), W_OK) == 0;
    return writable ? FileProbe::readable : FileProbe::readOnly;
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

const FileSystem systemFileSystem = {readFile, probeFile, createFile, renameFile, removeFile};
FileSystem fileSystem = systemFileSystem;

std::string followLinks(const std::string& path) {
    std::string at = path;
    for (int i = 0; i < linkLimit; ++i) {
        struct stat info;
        if (::lstat(at.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return at;
        char target[4096];
        const ssize_t n = ::readlink(at.c_str(), target, sizeof target - 1);
        if (n <= 0) return at;
        const std::string next(target, static_cast<size_t>(n));
        at = next.front() == '/' ? next : folderOf(at) + next;
    }
    return at;
}

std::string temporaryName(const std::string& path) {
    return path + ".~new";
}

bool replaceFileContents(const std::string& path, const std::string& bytes) {
    const std::string file = followLinks(path);
    const std::string temp = temporaryName(file);
    // A temporary file of a run that ended before its rename; while it cannot be removed,
    // nothing is written.
    fileSystem.remove(temp);
    switch (fileSystem.create(temp, bytes)) {
        case FileCreate::ok:
            if (fileSystem.rename(temp, file)) return true;
            fileSystem.remove(temp);
            return false;
        case FileCreate::exists:
            return false;
        case FileCreate::failed:
            fileSystem.remove(temp);
            return false;
    }
    return false;
}

}  // namespace velquist::platform::portable
