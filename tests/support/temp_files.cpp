#include "support/temp_files.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace temp_files {

namespace {

// The one place a temporary folder is made; empty when it cannot be.
std::string makeFolder() {
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / "velquist-test-XXXXXX").string();
    return mkdtemp(pattern.data()) ? pattern : std::string();
}

}  // namespace

Folder::Folder() : root(makeFolder()) {}

Folder::~Folder() {
    std::error_code ec;
    if (!root.empty()) fs::remove_all(root, ec);
}

std::string folderUntilExit() {
    static std::vector<std::string> made;
    static struct Cleanup {
        ~Cleanup() {
            std::error_code ec;
            for (const std::string& d : made)
                fs::remove_all(d, ec);
        }
    } cleanup;
    std::string folder = makeFolder();
    if (!folder.empty()) made.push_back(folder);
    return folder;
}

void writeFile(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

int entryCount(const fs::path& folder) {
    return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
}

}  // namespace temp_files
