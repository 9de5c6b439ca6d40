// Temporary folders and whole-file helpers: every test that reads or writes files makes its
// folders here, under the system's temporary folder.
#pragma once

#include <filesystem>
#include <string>

namespace temp_files {

// A fresh empty folder, removed with everything in it when the object goes out of scope.
class Folder {
  public:
    Folder();
    ~Folder();
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    const std::filesystem::path& path() const { return root; }
    // The plug-in's backslash form of a path inside the folder.
    std::string pluginPath(const std::string& relative) const;

  private:
    std::filesystem::path root;
};

// A file named `name` in a fresh folder of its own, removed with the object: its host path
// and the plug-in's backslash path to it. The file itself is not made.
struct FileInFolder {
    explicit FileInFolder(const std::string& name)
        : file(folder.path() / name), path(folder.pluginPath(name)) {}

    Folder folder;
    std::filesystem::path file;  // on the host
    std::string path;            // as the plug-in names it
};

// A fresh empty folder, removed when the test program exits: for folders a test hands to
// a process it runs, or keeps across a fixture ("" when none can be made).
std::string folderUntilExit();

void writeFile(const std::filesystem::path& file, const std::string& bytes);
// The file's bytes; empty when it cannot be read.
std::string readFile(const std::filesystem::path& file);
// The number of entries in a folder.
int entryCount(const std::filesystem::path& folder);

}  // namespace temp_files
