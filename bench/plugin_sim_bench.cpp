// The same work as the null host's benchmarks, against the full simulated host: the
// coroutine switch of every frame, the simulated world and its natives, the host's records
// of draws and texts. The difference to the null host's figures is the simulator's cost.
// Also here: the renderer composing a 1920 x 1080 frame of the full cluster with the menu
// open, and game memory access.
//
// [SECTION] Sessions
// [SECTION] Refreshes and frames
// [SECTION] Start-up
// [SECTION] Renderer
// [SECTION] Budgets
#include <benchmark/benchmark.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "budget_check.h"
#include "core/schedule.h"
#include "host/sim_host.h"
#include "linked_plugin.h"
#include "render/renderer.h"
#include "scenario/runner.h"
#include "scenario/scenario.h"
#include "world/world.h"
#include "world/world_natives.h"

namespace {

// [SECTION] Sessions

// The busy car of the null host's benchmarks: rpm LEDs, gear, damage, fuel, brand and a
// custom colour, at 30 m/s in third gear, at 3 pm.
const char* const busyCar = R"(screen 1920 1080
daytime 15 0
file settings1.ini
[FEATURES]
rpm=2
end
vehicle blista label=BLISTA class=0
set blista engine=1 health=420 colour=200,30,20 gear=3 rpm=0.7 throttle=1 speed=30
deco blista CokeInPossession=0.6
enter blista
run 5000
)";

const char* const plane = R"(screen 1920 1080
daytime 15 0
vehicle lazer label=LAZER class=16
set lazer engine=1 speed=80 vel=0,79,6
enter lazer
run 5000
)";

// The busy car with the menu open on the Features page, select held: the help box shows.
const std::string menuOpen = std::string(busyCar) + R"(press F10 100
run 300
press NUMPAD2 100
run 200
press NUMPAD2 100
run 200
press NUMPAD2 100
run 200
press NUMPAD5 100
run 300
key NUMPAD5 down
run 300
)";

// A plug-in loaded into the simulator and run through a scene; unloaded at the end.
class Session {
  public:
    Session(const std::string& scene, benchmark::State& state) : runner_(plugin_, {}) {
        static const bool natives = (sim::registerHostNatives(), sim::registerWorldNatives(), true);
        (void)natives;
        sim::resetWorld();  // no vehicles of an earlier session
        std::vector<sim::Command> commands;
        std::string error;
        ok_ = sim::parseScenario(scene, "scene", commands, error) && runner_.prepare(error) &&
              runner_.run(commands, error);
        if (!ok_) state.SkipWithError(error.c_str());
    }
    // The benchmarks change the frame time, and a scene may end with a key held; the next
    // session starts from the scene's own frame time and a keyboard with no key down.
    ~Session() {
        runner_.finish();
        sim::host.frameTime = frameTime_;
        std::fill(std::begin(sim::host.keyDown), std::end(sim::host.keyDown), false);
    }
    bool ok() const { return ok_; }
    const std::string& gameDir() const { return runner_.gameDir(); }
    sim::LinkedPlugin& plugin() { return plugin_; }

  private:
    sim::LinkedPlugin plugin_;
    sim::Runner runner_;
    uint32_t frameTime_ = sim::host.frameTime;
    bool ok_ = false;
};

// [SECTION] Refreshes and frames

// Frames of frameTime ms; 16 refreshes on every frame (the refresh interval is 12 ms). The
// screen must show at least `minDraws` texture instances at the end, or the scene no longer
// shows what it is meant to.
void frames(benchmark::State& state, const std::string& scene, uint32_t frameTime,
            size_t minDraws) {
    Session session(scene, state);
    if (!session.ok()) return;
    sim::host.frameTime = frameTime;
    if (frameTime == 0) sim::runFrame();  // the refresh that is due
    const uint32_t refreshes = velquist::schedule.refreshCount;
    for (auto _ : state)
        sim::runFrame();
    const uint32_t expected = frameTime >= 12 ? static_cast<uint32_t>(state.iterations()) : 0;
    if (velquist::schedule.refreshCount - refreshes != expected)
        state.SkipWithError("the frames did not refresh as expected");
    else if (sim::host.draws.size() < minDraws)
        state.SkipWithError("the cluster is not drawn in full");
}

void busyCarRefresh(benchmark::State& state) {
    frames(state, busyCar, 16, 31);
}
BENCHMARK(busyCarRefresh)->Name("busyCarRefresh/sim");

void planeRefresh(benchmark::State& state) {
    frames(state, plane, 16, 9);
}
BENCHMARK(planeRefresh)->Name("planeRefresh/sim");

void plainFrame(benchmark::State& state) {
    frames(state, busyCar, 0, 31);
}
BENCHMARK(plainFrame)->Name("plainFrame/sim");

void menuFrame(benchmark::State& state) {
    frames(state, menuOpen, 0, 31);
    if (!velquist::schedule.menuOpen) state.SkipWithError("the menu is not open");
}
BENCHMARK(menuFrame)->Name("menuFrame/sim");

// [SECTION] Start-up

// Loading the plug-in (static initialisation and the process-attach notification) and its
// first frame, which runs the start-up sequence and the first refresh.
void startUp(benchmark::State& state) {
    Session session("run 16\nunload\n", state);
    if (!session.ok()) return;
    std::string error;
    for (auto _ : state) {
        if (!session.plugin().load(session.gameDir(), error)) {
            state.SkipWithError(error.c_str());
            break;
        }
        sim::runFrame();
        state.PauseTiming();
        session.plugin().unload();
        state.ResumeTiming();
    }
}
BENCHMARK(startUp)->Name("startUp/sim")->Unit(benchmark::kMillisecond);

// [SECTION] Renderer

// The picture of one 1920 x 1080 frame: the busy car's cluster, the menu page and its help
// box over the backdrop. Images are decoded by the first picture, before the timing.
void renderFrame(benchmark::State& state) {
    Session session(menuOpen, state);
    if (!session.ok()) return;
    sim::host.frameTime = 0;
    sim::runFrame();  // this frame's texts and rectangles
    if (sim::host.frameTexts.empty()) state.SkipWithError("no menu texts in the frame");
    sim::renderer().compose();
    for (auto _ : state)
        benchmark::DoNotOptimize(sim::renderer().compose());
    state.counters["textures"] = static_cast<double>(sim::host.draws.size());
    state.counters["texts"] = static_cast<double>(sim::host.frameTexts.size());
}
BENCHMARK(renderFrame)->Name("renderClusterAndMenu/1080p")->Unit(benchmark::kMillisecond);

// [SECTION] Budgets

constexpr bench::Budget budgets[] = {
    {"renderClusterAndMenu/1080p", "time", 10e6, "< 10 ms"},
};

}  // namespace

int main(int argc, char** argv) {
    return bench::runWithBudgets(argc, argv, budgets);
}
