// velquist-sim check [--game DIR]
#include <cstdio>
#include <filesystem>

#include "sim_files.h"
#include "tools/folder_check.h"
#include "tools/tool_commands.h"

namespace sim {

int checkCommand(const std::vector<std::string>& args) {
    std::string gameDir;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--game" && i + 1 < args.size()) {
            gameDir = args[++i];
        } else {
            return toolUsageError("check", "unexpected " + args[i]);
        }
    }
    std::error_code ec;
    const std::filesystem::path dir =
        gameDir.empty() ? defaultDataFolder().parent_path() : std::filesystem::path(gameDir);
    if (!std::filesystem::is_directory(dir, ec)) {
        return toolUsageError("check", "no such game folder: " + dir.string());
    }
    const std::vector<Finding> findings = checkGameFolder(dir);
    for (const Finding& f : findings)
        std::printf("%s\n", formatFinding(f, dir.string()).c_str());
    if (findings.empty()) {
        std::fprintf(stderr, "velquist-sim check: nothing to report in %s\n", dir.c_str());
        return 0;
    }
    std::fprintf(stderr, "velquist-sim check: %zu finding%s\n", findings.size(),
                 findings.size() == 1 ? "" : "s");
    return 1;
}

}  // namespace sim
