// The benchmark run's verdict: a missed budget, a benchmark that stops with an error or a
// figure that was never reported fails the run; kept budgets and filtered-out benchmarks do
// not. The benchmarks here report counters, so no verdict depends on how fast this machine is.
#include <gtest/gtest.h>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "budget_check.h"

namespace {

void countsOne(benchmark::State& state) {
    for (auto _ : state) {
    }
    state.counters["allocs"] = 1;
}
BENCHMARK(countsOne)->Name("budgetTest/countsOne");

void countsNone(benchmark::State& state) {
    for (auto _ : state) {
    }
    state.counters["allocs"] = 0;
}
BENCHMARK(countsNone)->Name("budgetTest/countsNone");

void stopsWithError(benchmark::State& state) {
    for (auto _ : state) {
    }
    state.SkipWithError("the scene is not drawn");
}
BENCHMARK(stopsWithError)->Name("budgetTest/stopsWithError");

// Runs the benchmarks matching `filter` (quickly, once) against the budgets.
int run(const std::string& filter, std::vector<bench::Budget> budgets,
        std::vector<std::string> extra = {}) {
    std::vector<std::string> words = {"budget_check_test", "--benchmark_filter=" + filter,
                                      "--benchmark_min_time=0.0001", "--benchmark_repetitions=1"};
    words.insert(words.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    testing::internal::CaptureStdout();
    const int status = bench::runWithBudgets(static_cast<int>(argv.size()), argv.data(), budgets);
    testing::internal::GetCapturedStdout();
    return status;
}

TEST(BudgetCheck, PassesWhenEveryFigureIsWithinItsBudget) {
    EXPECT_EQ(run("countsNone", {{"budgetTest/countsNone", "allocs", 0, "0"},
                                 {"budgetTest/countsNone", "time", 1e12, "< 1000 s"}}),
              0);
}

TEST(BudgetCheck, FailsWhenACounterWithBudgetZeroIsNotZero) {
    EXPECT_EQ(run("countsOne", {{"budgetTest/countsOne", "allocs", 0, "0"}}), 1);
}

TEST(BudgetCheck, FailsWhenATimeIsAtOrAboveItsLimit) {
    EXPECT_EQ(run("countsNone", {{"budgetTest/countsNone", "time", 1e-9, "< 1e-9 ns"}}), 1);
}

TEST(BudgetCheck, FailsWhenTheFigureWasNeverReported) {
    EXPECT_EQ(run("countsNone", {{"budgetTest/countsNone", "draws", 10, "< 10"}}), 1);
}

TEST(BudgetCheck, AFilteredOutBenchmarkIsNotRunAndDoesNotFail) {
    EXPECT_EQ(run("countsNone", {{"budgetTest/countsOne", "allocs", 0, "0"}}), 0);
}

TEST(BudgetCheck, ABenchmarkThatStopsWithAnErrorFailsEvenWithoutBudgets) {
    EXPECT_EQ(run("stopsWithError", {}, {"--skip-budgets"}), 1);
    EXPECT_EQ(run("countsOne", {{"budgetTest/countsOne", "allocs", 0, "0"}}, {"--skip-budgets"}),
              0);
}

}  // namespace
