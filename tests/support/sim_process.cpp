#include "support/sim_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace sim_process {

namespace {

std::string slurpFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

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
    r.errors = slurpFile(errors);
    if (fs::exists(trace)) {
        r.traceText = slurpFile(trace);
        if (parse) r.trace = trace_reader::parseLines(r.traceText);
    }
    return r;
}

}  // namespace

std::string readFile(const fs::path& path) {
    return slurpFile(path);
}

std::string makeTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "velquist-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return {};
    static std::vector<std::string> made;
    static struct Cleanup {
        ~Cleanup() {
            std::error_code ec;
            for (const std::string& d : made)
                fs::remove_all(d, ec);
        }
    } cleanup;
    made.push_back(pattern);
    return pattern;
}

Result run(const std::string& scenario, const std::vector<std::string>& extraArgs) {
    const fs::path work = makeTempFolder();
    const fs::path file = work / "test.scn";
    std::ofstream(file, std::ios::binary) << scenario;
    return runPath(file, extraArgs, work);
}

Result runUnder(const std::string& prefix, const std::string& scenario,
                const std::vector<std::string>& extraArgs) {
    const fs::path work = makeTempFolder();
    const fs::path file = work / "test.scn";
    std::ofstream(file, std::ios::binary) << scenario;
    return runPath(file, extraArgs, work, true, prefix);
}

Result runWithin(int seconds, const std::string& scenario,
                 const std::vector<std::string>& extraArgs) {
    return runUnder("timeout -s KILL " + std::to_string(seconds), scenario, extraArgs);
}

Result runUnparsed(const std::string& scenario, const std::vector<std::string>& extraArgs) {
    const fs::path work = makeTempFolder();
    const fs::path file = work / "test.scn";
    std::ofstream(file, std::ios::binary) << scenario;
    return runPath(file, extraArgs, work, false);
}

Result runFile(const std::string& name, const std::vector<std::string>& extraArgs) {
    return runPath(fs::path(VELQUIST_SCENARIOS) / name, extraArgs, makeTempFolder());
}

}  // namespace sim_process
