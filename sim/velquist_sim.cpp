// velquist-sim: the plug-in code linked with the simulated host and game, and the tools
// for players and skin makers built on it.
#include <string>
#include <vector>

#include "linked_plugin.h"
#include "sim_main.h"
#include "tools/tool_commands.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty()) {
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        if (args[0] == "check") return sim::checkCommand(rest);
        if (args[0] == "dial") return sim::dialCommand(rest);
        if (args[0] == "play") return sim::playCommand(rest);
    }
    sim::LinkedPlugin plugin;
    return sim::simMain(argc, argv, plugin, sim::toolsUsage);
}
