#include "support/temp_files.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>

#include "host/portable/portable_platform.h"

namespace fs = std::filesystem;

namespace temp_files {

Folder::Folder() {
    std::string pattern = (fs::temp_directory_path() / "velquist-unit-XXXXXX").string();
    if (mkdtemp(pattern.data())) root = pattern;
}

Folder::~Folder() {
    std::error_code ec;
    if (!root.empty()) fs::remove_all(root, ec);
}

std::string Folder::pluginPath(const std::string& relative) const {
    return velquist::platform::portable::toPluginPath((root / relative).string());
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
