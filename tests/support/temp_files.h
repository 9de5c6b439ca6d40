// A scratch folder for tests that read and write files, removed when it goes out of scope,
// and whole-file helpers.
#pragma once

#include <filesystem>
#include <string>

namespace temp_files {

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

void writeFile(const std::filesystem::path& file, const std::string& bytes);
// The file's bytes; empty when it cannot be read.
std::string readFile(const std::filesystem::path& file);
// The number of entries in a folder.
int entryCount(const std::filesystem::path& folder);

}  // namespace temp_files
