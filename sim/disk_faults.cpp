#include "disk_faults.h"

#include <filesystem>
#include <set>
#include <string>

#include "host/portable/file_system.h"

namespace sim {

namespace {

namespace portable = velquist::platform::portable;

// The calls of the disk's present state; the held-file checks come in front of them.
portable::FileSystem disk = portable::systemFileSystem;

// The held files, as absolute paths without "." and ".." parts.
std::set<std::string> held;

bool isHeld(const std::string& path) {
    if (held.empty()) return false;
    std::error_code ec;
    return held.count(std::filesystem::weakly_canonical(path, ec).string()) != 0;
}

portable::FileRead readUnlessHeld(const std::string& path, std::string& bytes) {
    if (!isHeld(path)) return disk.read(path, bytes);
    bytes.clear();
    return portable::FileRead::unreadable;
}
velquist::platform::FileProbe probeUnlessHeld(const std::string& path) {
    return isHeld(path) ? velquist::platform::FileProbe::unreadable : disk.probe(path);
}
bool renameUnlessHeld(const std::string& from, const std::string& to) {
    return !isHeld(from) && !isHeld(to) && disk.rename(from, to);
}
bool removeUnlessHeld(const std::string& path) {
    return !isHeld(path) && disk.remove(path);
}

// A full disk takes the first half of a new file's bytes, then the write fails: the file
// is left behind torn, as ENOSPC leaves it.
portable::FileCreate createOnFullDisk(const std::string& path, const std::string& bytes) {
    const portable::FileCreate made =
        portable::systemFileSystem.create(path, bytes.substr(0, bytes.size() / 2));
    return made == portable::FileCreate::exists ? made : portable::FileCreate::failed;
}

// A read-only disk refuses every change and creates nothing.
portable::FileCreate createOnReadOnlyDisk(const std::string&, const std::string&) {
    return portable::FileCreate::failed;
}
bool renameOnReadOnlyDisk(const std::string&, const std::string&) {
    return false;
}
bool removeOnReadOnlyDisk(const std::string&) {
    return false;
}

void install() {
    portable::fileSystem = disk;
    portable::fileSystem.read = readUnlessHeld;
    portable::fileSystem.probe = probeUnlessHeld;
    portable::fileSystem.rename = renameUnlessHeld;
    portable::fileSystem.remove = removeUnlessHeld;
}

}  // namespace

void applyDiskState(DiskState state) {
    disk = portable::systemFileSystem;
    switch (state) {
        case DiskState::ok:
            break;
        case DiskState::full:
            disk.create = createOnFullDisk;
            break;
        case DiskState::readOnly:
            disk.create = createOnReadOnlyDisk;
            disk.rename = renameOnReadOnlyDisk;
            disk.remove = removeOnReadOnlyDisk;
            break;
    }
    install();
}

void holdOpen(const std::string& hostPath, bool hold) {
    std::error_code ec;
    const std::string path = std::filesystem::weakly_canonical(hostPath, ec).string();
    if (hold)
        held.insert(path);
    else
        held.erase(path);
    install();
}

}  // namespace sim
