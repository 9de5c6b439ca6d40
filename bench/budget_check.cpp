#include "budget_check.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace bench {

namespace {

constexpr int defaultRepetitions = 9;

struct Figures {
    double timeNs = 0;                       // median wall time per iteration
    std::map<std::string, double> counters;  // median of each counter
};

// The console report as usual, with each benchmark's medians kept for the budgets. A
// benchmark run once (no repetitions) gives its only run instead of a median.
class BudgetReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (run.error_occurred) {
                failed.push_back(run.benchmark_name() + ": " + run.error_message);
                continue;
            }
            if (!median && !single) continue;
            Figures& f = figures[run.run_name.str()];
            f.timeNs =
                run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            for (const auto& [name, counter] : run.counters)
                f.counters[name] = counter.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, Figures> figures;
    std::vector<std::string> failed;  // benchmarks that stopped with an error, and why
};

std::string showTime(double ns) {
    char text[32];
    if (ns >= 1e6)
        std::snprintf(text, sizeof text, "%.2f ms", ns / 1e6);
    else if (ns >= 1e3)
        std::snprintf(text, sizeof text, "%.3f us", ns / 1e3);
    else
        std::snprintf(text, sizeof text, "%.1f ns", ns);
    return text;
}

bool hasFlag(int argc, char** argv, const char* flag) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0) return true;
    return false;
}

}  // namespace

int runWithBudgets(int argc, char** argv, std::span<const Budget> budgets) {
    // Repeated by default, for medians; the caller's own flags win. --skip-budgets runs
    // the benchmarks without holding them to the budgets (the sanitizer build's check
    // that they still run).
    std::vector<char*> args;
    bool checkBudgets = true;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--skip-budgets") == 0)
            checkBudgets = false;
        else
            args.push_back(argv[i]);
    }
    std::string repetitions = "--benchmark_repetitions=" + std::to_string(defaultRepetitions);
    std::string aggregatesOnly = "--benchmark_report_aggregates_only=true";
    if (!hasFlag(argc, argv, "--benchmark_repetitions")) args.push_back(repetitions.data());
    if (!hasFlag(argc, argv, "--benchmark_report_aggregates_only") &&
        !hasFlag(argc, argv, "--benchmark_display_aggregates_only"))
        args.push_back(aggregatesOnly.data());
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 2;

    BudgetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    for (const std::string& f : reporter.failed)
        std::printf("FAILED %s\n", f.c_str());
    if (!reporter.failed.empty()) return 1;
    if (!checkBudgets) return 0;

    int missed = 0;
    std::printf("\n%-34s %-12s %14s  %-10s %s\n", "Budget", "figure", "median", "limit", "");
    for (const Budget& b : budgets) {
        const auto it = reporter.figures.find(b.benchmark);
        if (it == reporter.figures.end()) {
            std::printf("%-34s %-12s %14s  %-10s not run\n", b.benchmark, b.figure, "-", b.shownAs);
            continue;
        }
        const bool isTime = std::strcmp(b.figure, "time") == 0;
        double value = 0;
        if (isTime) {
            value = it->second.timeNs;
        } else if (const auto c = it->second.counters.find(b.figure);
                   c != it->second.counters.end()) {
            value = c->second;
        } else {
            std::printf("%-34s %-12s %14s  %-10s MISSED (no such figure)\n", b.benchmark, b.figure,
                        "-", b.shownAs);
            ++missed;
            continue;
        }
        const bool kept = b.limit == 0 ? value == 0 : value < b.limit;
        char shown[32];
        if (!isTime) std::snprintf(shown, sizeof shown, "%g", value);
        std::printf("%-34s %-12s %14s  %-10s %s\n", b.benchmark, b.figure,
                    isTime ? showTime(value).c_str() : shown, b.shownAs, kept ? "ok" : "MISSED");
        if (!kept) ++missed;
    }
    if (missed) std::printf("%d budget(s) missed\n", missed);
    return missed ? 1 : 0;
}

}  // namespace bench
