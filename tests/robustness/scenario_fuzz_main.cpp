// velquist-scenario-fuzz: generates random scenarios and runs each through velquist-sim
// (the sanitizer build), its trace piped into the invariant checker. It stops at the first
// scenario that crashes the simulator, trips a sanitizer, hangs, is refused as a bad
// scenario or breaks an invariant, and keeps that scenario for reproduction.
//
//   velquist-scenario-fuzz --sim PATH [--seconds N | --runs N] [--seed N] [--keep DIR]
//                          [--timeout S]
//   velquist-scenario-fuzz --print SEED
//
// Scenario i of a run has the seed SEED + i; without --seed the base seed is taken from
// the clock and printed, so every scenario can be made again with --print.
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "robustness/checked_run.h"
#include "robustness/scenario_generator.h"

namespace fs = std::filesystem;

namespace {

struct Options {
    std::string sim;
    double seconds = 0;  // 0: no time bound
    uint64_t runs = 0;   // 0: no bound on the count
    uint64_t seed = 0;
    bool seedGiven = false;
    std::string keep = "fuzz-failures";
    unsigned timeout = 120;
};

int usage() {
    std::fputs(
        "usage: velquist-scenario-fuzz --sim PATH [--seconds N | --runs N] [--seed N]\n"
        "                              [--keep DIR] [--timeout S]\n"
        "       velquist-scenario-fuzz --print SEED\n",
        stderr);
    return 2;
}

bool parseNumber(const char* text, uint64_t& out) {
    char* end = nullptr;
    out = std::strtoull(text, &end, 10);
    return end && *end == '\0' && end != text;
}

// Keeps a failing scenario, with how it failed, and says how to run it again.
void keepFailure(const Options& o, uint64_t seed, const scenario_fuzz::GeneratedScenario& s,
                 const std::string& report) {
    std::error_code ec;
    fs::create_directories(o.keep, ec);
    const fs::path base = fs::absolute(o.keep) / ("failure-" + std::to_string(seed));
    std::ofstream(base.string() + ".scn", std::ios::binary) << s.text;
    std::ofstream(base.string() + ".txt", std::ios::binary) << report;
    std::fprintf(stderr, "%s\nkept: %s.scn (how it failed: %s.txt)\n", report.c_str(),
                 base.string().c_str(), base.string().c_str());
    std::fprintf(stderr, "again: velquist-sim run %s.scn%s%s --trace - | velquist-trace-check -\n",
                 base.string().c_str(), s.dataFolder ? "" : " --game EMPTY_FOLDER",
                 s.shots ? " --shots /tmp" : "");
}

// Runs one scenario; "" when it passed, else the report.
std::string runOne(const Options& o, const scenario_fuzz::GeneratedScenario& s) {
    char pattern[] = "/tmp/velquist-fuzz-XXXXXX";
    if (!mkdtemp(pattern)) return "cannot make a work folder";
    const fs::path work = pattern;
    const fs::path scenario = work / "fuzz.scn";
    std::ofstream(scenario, std::ios::binary) << s.text;
    std::vector<std::string> args = {scenario.string(), "--shots", (work / "shots").string()};
    if (!s.dataFolder) {
        fs::create_directories(work / "game");
        args.push_back("--game");
        args.push_back((work / "game").string());
    }
    trace_check::Checker checker;
    const trace_check::RunOutcome outcome =
        trace_check::runChecked(o.sim, args, o.timeout, checker);
    std::error_code ec;
    fs::remove_all(work, ec);

    std::string report;
    if (!outcome.ok()) report += outcome.describe() + "\n";
    for (const trace_check::Violation& v : checker.violations())
        report += "trace line " + std::to_string(v.line) + ": " + v.what + "\n";
    if (report.empty()) return {};
    if (checker.violationCount() > checker.violations().size())
        report += std::to_string(checker.violationCount()) + " violations in all\n";
    if (!outcome.errors.empty()) report += "standard error of the simulator:\n" + outcome.errors;
    return report;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        uint64_t n = 0;
        if (a == "--print" && hasValue && parseNumber(argv[i + 1], n)) {
            const std::string text = scenario_fuzz::generateScenario(n).text;
            std::fwrite(text.data(), 1, text.size(), stdout);
            return 0;
        } else if (a == "--sim" && hasValue) {
            o.sim = argv[++i];
        } else if (a == "--seconds" && hasValue && parseNumber(argv[i + 1], n)) {
            o.seconds = static_cast<double>(n);
            ++i;
        } else if (a == "--runs" && hasValue && parseNumber(argv[i + 1], n)) {
            o.runs = n;
            ++i;
        } else if (a == "--seed" && hasValue && parseNumber(argv[i + 1], n)) {
            o.seed = n;
            o.seedGiven = true;
            ++i;
        } else if (a == "--keep" && hasValue) {
            o.keep = argv[++i];
        } else if (a == "--timeout" && hasValue && parseNumber(argv[i + 1], n) && n > 0) {
            o.timeout = static_cast<unsigned>(n);
            ++i;
        } else {
            return usage();
        }
    }
    if (o.sim.empty() || access(o.sim.c_str(), X_OK) != 0) {
        std::fprintf(stderr, "velquist-scenario-fuzz: no simulator at '%s'\n", o.sim.c_str());
        return usage();
    }
    using Clock = std::chrono::steady_clock;
    if (!o.seedGiven)
        o.seed = static_cast<uint64_t>(Clock::now().time_since_epoch().count()) % 1000000000000ull;
    std::fprintf(stderr, "velquist-scenario-fuzz: base seed %llu\n",
                 static_cast<unsigned long long>(o.seed));

    const auto start = Clock::now();
    uint64_t done = 0, withoutDataFolder = 0, withShots = 0;
    for (;;) {
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        if (o.runs && done >= o.runs) break;
        if (o.seconds > 0 && elapsed >= o.seconds) break;
        const uint64_t seed = o.seed + done;
        const scenario_fuzz::GeneratedScenario s = scenario_fuzz::generateScenario(seed);
        const std::string report = runOne(o, s);
        if (!report.empty()) {
            std::fprintf(stderr, "velquist-scenario-fuzz: scenario of seed %llu failed\n",
                         static_cast<unsigned long long>(seed));
            keepFailure(o, seed, s, report);
            return 1;
        }
        ++done;
        withoutDataFolder += s.dataFolder ? 0 : 1;
        withShots += s.shots ? 1 : 0;
    }
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    std::fprintf(stderr,
                 "velquist-scenario-fuzz: %llu scenarios passed in %.0f s (%llu without a data "
                 "folder, %llu with pictures), seeds %llu..%llu\n",
                 static_cast<unsigned long long>(done), elapsed,
                 static_cast<unsigned long long>(withoutDataFolder),
                 static_cast<unsigned long long>(withShots),
                 static_cast<unsigned long long>(o.seed),
                 static_cast<unsigned long long>(o.seed + done - (done ? 1 : 0)));
    return 0;
}
