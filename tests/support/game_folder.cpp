#include "support/game_folder.h"

#include "core/process_texts.h"
#include "host/portable/portable_platform.h"

namespace fs = std::filesystem;

namespace testing_host {

GameFolder::GameFolder() {
    fs::create_directory(data());
    velquist::platform::portable::config.moduleFile = (root_.path() / "Velquist.asi").string();
    velquist::texts.pluginFolder.clear();  // found afresh from the new module file
}

void GameFolder::write(const std::string& name, const std::string& content) const {
    temp_files::writeFile(data() / name, content);
}

std::string GameFolder::read(const std::string& name) const {
    return temp_files::readFile(data() / name);
}

bool GameFolder::exists(const std::string& name) const {
    return fs::exists(data() / name);
}

}  // namespace testing_host
