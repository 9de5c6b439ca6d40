#include "settings/whole_file.h"

#include <cstring>

namespace velquist {

namespace {

using platform::FileProbe;

// Longest stored text that is read back, terminating zero included.
constexpr uint32_t readBackSize = 256;

bool canRead(FileProbe p) {
    return p == FileProbe::readable || p == FileProbe::readOnly;
}

// Every key reads back as it was written. The functions are first told to forget what
// they keep of the file, so the answers come from the disk.
bool readsBack(const std::string& path, const SavedKey* keys, size_t count) {
    platform::writePrivateProfileString(nullptr, nullptr, nullptr, path.c_str());
    for (size_t i = 0; i < count; ++i) {
        char buf[readBackSize] = {};
        platform::getPrivateProfileString(keys[i].section, keys[i].key, "", buf, readBackSize,
                                          path.c_str());
        if (keys[i].text != buf) return false;
    }
    return true;
}

}  // namespace

ReadWatch::ReadWatch(const std::string& path)
    : path_(path),
      first_(platform::probeFile(path.c_str())),
      sawTheFile_(first_ != FileProbe::unreadable) {}

void ReadWatch::afterRead() {
    if (!sawTheFile_) return;
    const FileProbe now = platform::probeFile(path_.c_str());
    sawTheFile_ =
        now == FileProbe::absent ? first_ == FileProbe::absent : canRead(now) && canRead(first_);
}

std::string backupName(const std::string& path) {
    return path + ".~backup";
}

bool saveWholeFile(const std::string& path, const SavedKey* keys, size_t count) {
    const FileProbe found = platform::probeFile(path.c_str());
    if (found == FileProbe::unreadable || found == FileProbe::readOnly) return false;
    const bool existed = found == FileProbe::readable;
    const std::string backup = backupName(path);
    if (existed && !platform::copyFile(path.c_str(), backup.c_str())) return false;

    bool whole = true;
    for (size_t i = 0; i < count && whole; ++i)
        whole = keys[i].text.size() < readBackSize &&
                platform::writePrivateProfileString(keys[i].section, keys[i].key,
                                                    keys[i].text.c_str(), path.c_str());
    whole = whole && readsBack(path, keys, count);

    if (whole) {
        if (existed) platform::deleteFile(backup.c_str());
        return true;
    }
    if (existed)
        platform::renameOver(backup.c_str(), path.c_str());
    else
        platform::deleteFile(path.c_str());
    // What the functions kept of the file is no longer what the disk holds.
    platform::writePrivateProfileString(nullptr, nullptr, nullptr, path.c_str());
    return false;
}

}  // namespace velquist
