#include "sim_main.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "command_words.h"
#include "host/sim_host.h"
#include "scenario/runner.h"
#include "scenario/scenario.h"
#include "world/simulated_memory.h"
#include "world/world_natives.h"

namespace sim {

namespace {

constexpr int exitOk = 0;
constexpr int exitFailure = 1;
constexpr int exitUsage = 2;

const char* const usage =
    "usage: velquist-sim run SCENARIO [--game DIR] [--trace FILE] [--shots DIR] [--natives]\n"
    "                    [--memory] [--memory-use]\n"
    "  SCENARIO      a scenario file, or - for standard input\n"
    "  --game DIR    the game folder holding Velquist/ (default: a temporary copy of the\n"
    "                default data folder)\n"
    "  --trace FILE  write the trace there (- for standard output)\n"
    "  --shots DIR   where shot writes its pictures (default: current folder)\n"
    "  --natives     also trace every native call\n"
    "  --memory      also trace every read of a vehicle object in game memory\n"
    "  --memory-use  write the process's memory use to standard error after each unload\n";

const char* extraUsage = "";

int usageError(const std::string& what) {
    std::fprintf(stderr, "velquist-sim: %s\n%s%s", what.c_str(), usage, extraUsage);
    return exitUsage;
}

int runCommand(const std::vector<std::string>& args, PluginLoader& loader) {
    std::string scenario, gameDir, traceFile, shotsDir = ".";
    bool natives = false, memoryReads = false, memoryUse = false;
    for (CommandWords line(args); line.next();) {
        const std::string& a = line.word();
        if (a == "--game") {
            if (!line.value(gameDir)) return usageError("--game needs a folder");
        } else if (a == "--trace") {
            if (!line.value(traceFile)) return usageError("--trace needs a file");
        } else if (a == "--shots") {
            if (!line.value(shotsDir)) return usageError("--shots needs a folder");
        } else if (a == "--natives") {
            natives = true;
        } else if (a == "--memory") {
            memoryReads = true;
        } else if (a == "--memory-use") {
            memoryUse = true;
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return usageError("unknown option " + a);
        } else if (scenario.empty()) {
            scenario = a;
        } else {
            return usageError("more than one scenario: " + a);
        }
    }
    if (scenario.empty()) return usageError("no scenario");

    std::string text;
    if (scenario == "-") {
        std::ostringstream ss;
        ss << std::cin.rdbuf();
        text = ss.str();
    } else {
        // A folder opens on some systems and reads as nothing, which would run nothing.
        std::error_code ec;
        if (std::filesystem::is_directory(scenario, ec))
            return usageError("cannot read " + scenario + ": it is a folder");
        std::ifstream in(scenario, std::ios::binary);
        if (!in) return usageError("cannot read " + scenario);
        std::ostringstream ss;
        ss << in.rdbuf();
        if (in.bad()) return usageError("cannot read " + scenario);
        text = ss.str();
    }
    std::vector<Command> commands;
    std::string error;
    if (!parseScenario(text, scenario == "-" ? "<stdin>" : scenario, commands, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return exitUsage;
    }

    // An output that cannot be written fails the run before anything runs.
    if (!traceFile.empty() && !host.trace.open(traceFile)) {
        std::fprintf(stderr, "velquist-sim: cannot write the trace %s\n", traceFile.c_str());
        return exitFailure;
    }
    host.traceNatives = natives;
    registerHostNatives();
    registerWorldNatives();
    memory.watch(memoryReads);

    Runner runner(loader, RunOptions{gameDir, shotsDir, memoryUse});
    if (!runner.prepare(error)) {
        std::fprintf(stderr, "velquist-sim: %s\n", error.c_str());
        return exitFailure;
    }
    const bool ok = runner.run(commands, error);
    runner.finish();
    if (!ok) {
        std::fprintf(stderr, "%s:%s\n", scenario.c_str(), error.c_str());
        return exitFailure;
    }
    return exitOk;
}

}  // namespace

int simMain(int argc, char** argv, PluginLoader& loader, const char* moreUsage) {
    if (moreUsage) extraUsage = moreUsage;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::fputs(usage, args.empty() ? stderr : stdout);
        std::fputs(extraUsage, args.empty() ? stderr : stdout);
        return args.empty() ? exitUsage : exitOk;
    }
    if (args[0] == "run") return runCommand({args.begin() + 1, args.end()}, loader);
    return usageError("unknown command " + args[0]);
}

}  // namespace sim
