// A game folder for a benchmark run: a temporary copy of the shipped data folder (settings
// files and images) beside the plug-in's file name, removed at the end of the run.
#pragma once

#include <filesystem>
#include <string>

namespace bench {

class BenchFolder {
  public:
    // Copies the data folder `shipped` (a folder named Velquist) into a new temporary
    // game folder; `extra` files are then written into the copy, name and content in turn.
    explicit BenchFolder(const std::filesystem::path& shipped);
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const std::filesystem::path& game() const { return root_; }
    std::filesystem::path data() const { return root_ / "Velquist"; }
    // Writes (creating or replacing) a file of the data folder.
    void write(const std::string& name, const std::string& content) const;

  private:
    std::filesystem::path root_;
};

}  // namespace bench
