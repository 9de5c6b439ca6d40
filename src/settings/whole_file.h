// A settings file of many keys, read and saved as one. Every key is read and written with
// its own private-profile call, and a read that cannot open the file quietly gives the
// key's default; so the reads are watched with probes of the file, and a save is made as
// one step: it lands whole, or the file stays as it was, byte for byte.
#pragma once

#include <cstddef>
#include <string>

#include "host/platform.h"

namespace velquist {

// Probes a file when made and again after each key's read.
class ReadWatch {
  public:
    explicit ReadWatch(const std::string& path);
    void afterRead();
    // Whether the reads saw the file: every probe found it absent, or every probe found it
    // readable. Otherwise some key may have read its default in place of the file's value.
    bool sawTheFile() const { return sawTheFile_; }

  private:
    std::string path_;           // the file watched
    platform::FileProbe first_;  // what the probe found when the watch was made
    bool sawTheFile_;            // true until a probe finds the file otherwise
};

// One key of a save.
struct SavedKey {
    const char* section = nullptr;  // the key's section; none by default
    const char* key = nullptr;      // the key's name; none by default
    std::string text;               // what is stored: the value's text and its comment
};

enum class SaveResult {
    saved,
    failed,   // the file is as it was before the save (or still missing)
    notRead,  // nothing was tried: the values in memory were not read from the file
};

// The copy of a file that its save keeps until every key is written and read back.
std::string backupName(const std::string& path);

// Stores every key into the file at path as one save. A file that cannot be read or is
// read-only is left alone. An existing file is first copied beside itself (no copy, no
// save); if a write fails or a key does not read back as written (a full disk can cut a
// file that is rewritten in place, and the write still reports success), the copy takes
// the file's place again, and a file the save created is removed. Returns whether the save
// landed.
bool saveWholeFile(const std::string& path, const SavedKey* keys, size_t count);

}  // namespace velquist
