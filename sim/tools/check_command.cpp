// velquist-sim check [--game DIR] [--screen WxH]...
#include <cstdio>
#include <filesystem>
#include <optional>

#include "command_words.h"
#include "sim_files.h"
#include "tools/folder_check.h"
#include "tools/tool_commands.h"

namespace sim {

int checkCommand(const std::vector<std::string>& args) {
    std::string gameDir;
    std::vector<Screen> screens;
    for (CommandWords line(args); line.next();) {
        const std::string& a = line.word();
        if (a == "--game" && line.value(gameDir)) continue;
        if (a != "--screen") return toolUsageError("check", "unexpected " + a);
        std::string v;
        const std::optional<Screen> screen = line.value(v) ? parseScreen(v) : std::nullopt;
        if (!screen) return toolUsageError("check", screenOptionRule());
        screens.push_back(*screen);
    }
    std::error_code ec;
    const std::filesystem::path dir =
        gameDir.empty() ? defaultDataFolder().parent_path() : std::filesystem::path(gameDir);
    if (!std::filesystem::is_directory(dir, ec)) {
        return toolUsageError("check", "no such game folder: " + dir.string());
    }
    std::vector<std::string> notes;
    const std::vector<Finding> findings = checkGameFolder(dir, screens, &notes);
    for (const std::string& note : notes)
        std::fprintf(stderr, "%s\n", note.c_str());
    for (const Finding& f : findings)
        std::printf("%s\n", formatFinding(f, dir.string()).c_str());
    std::fprintf(stderr, "velquist-sim check: %s\n",
                 checkSummary(findings.size(), dir.string()).c_str());
    return findings.empty() ? 0 : 1;
}

}  // namespace sim
