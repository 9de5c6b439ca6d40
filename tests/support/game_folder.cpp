#include "support/game_folder.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>

#include "core/process_texts.h"
#include "host/portable/portable_platform.h"

namespace fs = std::filesystem;

namespace testing_host {

GameFolder::GameFolder() {
    std::string pattern = (fs::temp_directory_path() / "velquist-unit-XXXXXX").string();
    if (mkdtemp(pattern.data())) root_ = pattern;
    fs::create_directory(data());
    velquist::platform::portable::config.moduleFile = (root_ / "Velquist.asi").string();
    velquist::texts.pluginFolder.clear();  // found afresh from the new module file
}

GameFolder::~GameFolder() {
    std::error_code ec;
    if (!root_.empty()) fs::remove_all(root_, ec);
}

void GameFolder::write(const std::string& name, const std::string& content) const {
    std::ofstream(data() / name, std::ios::binary) << content;
}

std::string GameFolder::read(const std::string& name) const {
    std::ifstream in(data() / name, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool GameFolder::exists(const std::string& name) const {
    return fs::exists(data() / name);
}

}  // namespace testing_host
