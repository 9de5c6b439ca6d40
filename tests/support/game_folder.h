// A temporary game folder for unit tests that read and write the plug-in's files: the
// plug-in's file name points into it, and its data folder Velquist/ exists (empty) until
// the folder is removed with the object.
#pragma once

#include <filesystem>
#include <string>

#include "support/temp_files.h"

namespace testing_host {

class GameFolder {
  public:
    GameFolder();

    // The data folder Velquist/ on the host.
    std::filesystem::path data() const { return root_.path() / "Velquist"; }
    // Writes (creating or replacing) a file of the data folder, bytes as given.
    void write(const std::string& name, const std::string& content) const;
    // The bytes of a file of the data folder; empty when there is none.
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;

  private:
    temp_files::Folder root_;  // removed with the object
};

}  // namespace testing_host
