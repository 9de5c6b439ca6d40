// The plug-in's own cost: every benchmark runs the plug-in against the null host, which
// answers natives from a prepared table and records nothing. Beside each time it counts
// what the work is made of: native calls, texture draws and heap allocations per
// iteration. The budgets at the end are checked by the run.
//
// [SECTION] The game folder
// [SECTION] Refreshes and frames
// [SECTION] Start-up and settings files
// [SECTION] Budgets
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "allocation_counter.h"
#include "bench_folder.h"
#include "budget_check.h"
#include "core/hud_script.h"
#include "core/process_state.h"
#include "core/schedule.h"
#include "null_host.h"
#include "null_scene.h"
#include "settings/ini_access.h"
#include "settings/profile_settings.h"

namespace {

// [SECTION] The game folder

const bench::BenchFolder& folder() {
    static const bench::BenchFolder f(VELQUIST_SHIPPED_DATA);
    static const bool profileWritten = (f.write("settings1.ini", bench::busyProfile), true);
    (void)profileWritten;
    return f;
}

// What one iteration is made of, from the null host's counters and the allocation count.
class WorkCount {
  public:
    WorkCount() : host_(null_host::host.counters), allocations_(bench::allocations()) {}
    // Read before the counters are stored: storing them allocates.
    void report(benchmark::State& state) const {
        const auto allocations = static_cast<double>(bench::allocations() - allocations_);
        const auto& now = null_host::host.counters;
        const auto natives = static_cast<double>(now.natives - host_.natives);
        const auto draws = static_cast<double>(now.draws - host_.draws);
        const auto perIteration = benchmark::Counter::kAvgIterations;
        state.counters["natives"] = benchmark::Counter(natives, perIteration);
        state.counters["draws"] = benchmark::Counter(draws, perIteration);
        state.counters["allocs"] = benchmark::Counter(allocations, perIteration);
    }

  private:
    null_host::Counters host_;
    uint64_t allocations_;
};

// [SECTION] Refreshes and frames

// The plug-in started on the benchmark folder, in the scene `enter` sets up, with the
// cluster faded in.
void showCluster(void (*enter)()) {
    bench::startNullPlugin(folder().game());
    enter();
    bench::settleCluster();
}

// One frame of the main loop in which the HUD refreshes: frames of 16 ms against a
// refresh interval of 12 ms, so that every frame refreshes, as at 60 frames a second.
// A scene whose answers no longer show the whole cluster would time far less work; each
// refresh must draw at least `minDraws` textures.
void refreshFrames(benchmark::State& state, void (*enter)(), uint64_t minDraws) {
    showCluster(enter);
    null_host::host.frameTime = 16;
    const uint32_t refreshes = velquist::schedule.refreshCount;
    const uint64_t draws = null_host::host.counters.draws;
    const WorkCount count;
    for (auto _ : state)
        velquist::frameStep();
    count.report(state);
    null_host::host.frameTime = 0;
    const auto iterations = static_cast<uint64_t>(state.iterations());
    if (velquist::schedule.refreshCount - refreshes != iterations)
        state.SkipWithError("a frame did not refresh");
    else if (null_host::host.counters.draws - draws < minDraws * iterations)
        state.SkipWithError("the cluster is not drawn in full");
}

void busyCarRefresh(benchmark::State& state) {
    refreshFrames(state, bench::enterBusyCar, 31);
}
BENCHMARK(busyCarRefresh)->Name("busyCarRefresh/null");

void planeRefresh(benchmark::State& state) {
    refreshFrames(state, bench::enterPlane, 9);
}
BENCHMARK(planeRefresh)->Name("planeRefresh/null");

// A frame between two refreshes, with the busy car's cluster on the screen.
void plainFrame(benchmark::State& state) {
    showCluster(bench::enterBusyCar);
    bench::stopClock();
    const uint32_t refreshes = velquist::schedule.refreshCount;
    const WorkCount count;
    for (auto _ : state)
        velquist::frameStep();
    count.report(state);
    if (velquist::schedule.refreshCount != refreshes) state.SkipWithError("a frame refreshed");
}
BENCHMARK(plainFrame)->Name("plainFrame/null");

// A frame of the Features page with select held: the title, the nine items with their
// values, the help box's ten lines, the menu's control disabling and the frame's work
// (no refresh due), as the page's loop draws them.
void menuFrame(benchmark::State& state) {
    showCluster(bench::enterBusyCar);
    bench::stopClock();
    velquist::schedule.menuOpen = true;
    const WorkCount count;
    for (auto _ : state)
        bench::featuresPageFrame();
    count.report(state);
    velquist::schedule.menuOpen = false;
}
BENCHMARK(menuFrame)->Name("menuFrame/null");

// [SECTION] Start-up and settings files

// The whole start-up sequence on the shipped data folder: help texts, the general,
// extended and profile settings, the brand and max-rpm tables, the texture loads.
void startUp(benchmark::State& state) {
    const std::string game = folder().game().string();
    uint64_t textures = 0;
    for (auto _ : state) {
        state.PauseTiming();
        velquist::resetProcessState();
        null_host::installPlatform(game.c_str());
        const uint64_t before = null_host::host.counters.textures;
        state.ResumeTiming();
        velquist::startUp();
        textures += null_host::host.counters.textures - before;
    }
    state.counters["textures"] =
        benchmark::Counter(static_cast<double>(textures), benchmark::Counter::kAvgIterations);
}
BENCHMARK(startUp)->Name("startUp/null")->Unit(benchmark::kMillisecond);

// An INI file of `keys` keys in sections of 20, the key asked for in its last section.
std::string iniFile(int keys) {
    const std::string path = (folder().data() / ("keys" + std::to_string(keys) + ".ini")).string();
    std::ofstream out(path, std::ios::binary);
    for (int k = 0; k < keys; ++k) {
        if (k % 20 == 0) out << "[SECTION" << k / 20 << "]\r\n";
        out << "key" << k << "=" << k << "\t\t;\t\tA comment like the shipped files have\r\n";
    }
    return path;
}

void readIniInt(benchmark::State& state) {
    const int keys = static_cast<int>(state.range(0));
    const std::string path = iniFile(keys);
    const std::string section = "SECTION" + std::to_string((keys - 1) / 20);
    const std::string key = "key" + std::to_string(keys - 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            velquist::readIniInt(path, section.c_str(), key.c_str(), -1, 0, 1 << 30));
    if (velquist::readIniInt(path, section.c_str(), key.c_str(), -1, 0, 1 << 30) != keys - 1)
        state.SkipWithError("the key was not read");
}
BENCHMARK(readIniInt)->Name("readIniInt")->Arg(40)->Arg(2000)->Unit(benchmark::kMicrosecond);

// Saving a profile: its 39 keys written one after another, each a rewrite of the file.
void writeProfile(benchmark::State& state) {
    bench::startNullPlugin(folder().game());
    for (auto _ : state)
        velquist::writeProfile(2);
}
BENCHMARK(writeProfile)->Name("writeProfile")->Unit(benchmark::kMillisecond);

// [SECTION] Budgets

constexpr bench::Budget budgets[] = {
    {"busyCarRefresh/null", "time", 2000, "< 2 us"}, {"busyCarRefresh/null", "allocs", 0, "0"},
    {"planeRefresh/null", "time", 2000, "< 2 us"},   {"planeRefresh/null", "allocs", 0, "0"},
    {"plainFrame/null", "time", 100, "< 100 ns"},    {"plainFrame/null", "allocs", 0, "0"},
    {"startUp/null", "time", 20e6, "< 20 ms"},       {"readIniInt/40", "time", 20e6, "< 20 ms"},
    {"readIniInt/2000", "time", 20e6, "< 20 ms"},    {"writeProfile", "time", 20e6, "< 20 ms"},
};

}  // namespace

int main(int argc, char** argv) {
    return bench::runWithBudgets(argc, argv, budgets);
}
