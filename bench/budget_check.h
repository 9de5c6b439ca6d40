// Budgets: the limits the benchmark run holds the plug-in to. Each benchmark program runs
// its benchmarks as Google Benchmark does (the usual flags apply), repeated so that a
// median is taken, then compares the medians with its budgets, prints the comparison and
// fails when one is missed or a benchmark stops with an error. A budget whose benchmark was
// filtered out is reported as not run and does not fail. `--skip-budgets` runs the
// benchmarks without the comparison.
#pragma once

#include <span>

namespace bench {

struct Budget {
    const char* benchmark;  // the benchmark's name as reported, e.g. "busyCarRefresh/null"
    const char* figure;     // "time" (median wall time per iteration) or a counter's name
    double limit;           // the figure must stay below this (time in ns); for a counter
                            // with limit 0 it must be exactly 0
    const char* shownAs;    // how the limit reads in the report, e.g. "< 2 us"
};

// Runs the program's benchmarks and checks the budgets; returns the process's exit status.
int runWithBudgets(int argc, char** argv, std::span<const Budget> budgets);

}  // namespace bench
