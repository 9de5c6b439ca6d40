#include "support/sim_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "support/temp_files.h"

namespace fs = std::filesystem;

namespace sim_process {

namespace {

std::string shellQuote(const std::string& s) {
    std::string out = "'";
    for (char c : s) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

Result runPath(const fs::path& scenario, const std::vector<std::string>& extraArgs,
               const fs::path& work, bool parse = true, const std::string& prefix = "") {
    const fs::path trace = work / "trace.jsonl";
    const fs::path errors = work / "stderr.txt";
    std::string cmd = prefix.empty() ? "" : prefix + " ";
    cmd += shellQuote(VELQUIST_SIM) + " run " + shellQuote(scenario.string()) + " --trace " +
           shellQuote(trace.string());
    for (const std::string& a : extraArgs) {
        cmd += ' ';
        cmd += shellQuote(a);
    }
    cmd += " 2>";
    cmd += shellQuote(errors.string());
    const int status = std::system(cmd.c_str());
    Result r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.errors = temp_files::readFile(errors);
    if (fs::exists(trace)) {
        r.traceText = temp_files::readFile(trace);
        if (parse) r.trace = trace_reader::parseLines(r.traceText);
    }
    return r;
}

// Runs the scenario text, written to test.scn in a fresh work folder.
Result runText(const std::string& scenario, const std::vector<std::string>& extraArgs,
               bool parse = true, const std::string& prefix = "") {
    const fs::path work = temp_files::folderUntilExit();
    const fs::path file = work / "test.scn";
    temp_files::writeFile(file, scenario);
    return runPath(file, extraArgs, work, parse, prefix);
}

}  // namespace

Result run(const std::string& scenario, const std::vector<std::string>& extraArgs) {
    return runText(scenario, extraArgs);
}

Result runUnder(const std::string& prefix, const std::string& scenario,
                const std::vector<std::string>& extraArgs) {
    return runText(scenario, extraArgs, true, prefix);
}

Result runWithin(int seconds, const std::string& scenario,
                 const std::vector<std::string>& extraArgs) {
    return runUnder("timeout -s KILL " + std::to_string(seconds), scenario, extraArgs);
}

Result runUnparsed(const std::string& scenario, const std::vector<std::string>& extraArgs) {
    return runText(scenario, extraArgs, false);
}

Result runFile(const std::string& name, const std::vector<std::string>& extraArgs) {
    return runPath(fs::path(VELQUIST_SCENARIOS) / name, extraArgs, temp_files::folderUntilExit());
}

}  // namespace sim_process
