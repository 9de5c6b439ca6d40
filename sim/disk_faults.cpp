#include "disk_faults.h"

#include <string>

#include "host/portable/file_system.h"

namespace sim {

namespace {

namespace portable = velquist::platform::portable;

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

}  // namespace

void applyDiskState(DiskState state) {
    portable::fileSystem = portable::systemFileSystem;
    switch (state) {
        case DiskState::ok:
            break;
        case DiskState::full:
            portable::fileSystem.create = createOnFullDisk;
            break;
        case DiskState::readOnly:
            portable::fileSystem.create = createOnReadOnlyDisk;
            portable::fileSystem.rename = renameOnReadOnlyDisk;
            portable::fileSystem.remove = removeOnReadOnlyDisk;
            break;
    }
}

}  // namespace sim
