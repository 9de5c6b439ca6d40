#include "bench_folder.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace bench {

BenchFolder::BenchFolder(const fs::path& shipped) {
    std::string pattern = (fs::temp_directory_path() / "velquist-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    root_ = pattern;
    if (!fs::is_directory(shipped))
        throw std::runtime_error("no data folder at " + shipped.string() +
                                 " (build the data_folder and default_skin targets)");
    fs::copy(shipped, data(), fs::copy_options::recursive);
}

BenchFolder::~BenchFolder() {
    std::error_code ec;
    fs::remove_all(root_, ec);
}

void BenchFolder::write(const std::string& name, const std::string& content) const {
    std::ofstream(data() / name, std::ios::binary) << content;
}

}  // namespace bench
