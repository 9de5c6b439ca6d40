// Runs one scene of the null host a given number of times, for instruction counts under
// callgrind: scripts/callgrind.sh collects only inside measured_frames and divides by the
// count. Usage: velquist_refresh_probe busy|plane|plain|menu COUNT
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench_folder.h"
#include "core/schedule.h"
#include "null_host.h"
#include "null_scene.h"

namespace {

enum class Scene { busy, plane, plain, menu };

Scene scene = Scene::busy;

}  // namespace

// The work being counted: `count` frames of the scene. Kept out of line and unmangled so
// that callgrind can name it.
extern "C" __attribute__((noinline)) void measured_frames(int count) {
    for (int i = 0; i < count; ++i) {
        if (scene == Scene::menu)
            bench::featuresPageFrame();
        else
            velquist::frameStep();
    }
}

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: velquist_refresh_probe busy|plane|plain|menu COUNT\n");
        return 2;
    }
    const char* name = argv[1];
    if (std::strcmp(name, "busy") == 0)
        scene = Scene::busy;
    else if (std::strcmp(name, "plane") == 0)
        scene = Scene::plane;
    else if (std::strcmp(name, "plain") == 0)
        scene = Scene::plain;
    else if (std::strcmp(name, "menu") == 0)
        scene = Scene::menu;
    else {
        std::fprintf(stderr, "velquist_refresh_probe: unknown scene %s\n", name);
        return 2;
    }
    const int count = std::atoi(argv[2]);
    if (count <= 0) {
        std::fprintf(stderr, "velquist_refresh_probe: COUNT must be a positive number\n");
        return 2;
    }

    const bench::BenchFolder folder(VELQUIST_SHIPPED_DATA);
    folder.write("settings1.ini", bench::busyProfile);
    bench::startNullPlugin(folder.game());
    if (scene == Scene::plane)
        bench::enterPlane();
    else
        bench::enterBusyCar();
    bench::settleCluster();
    const bool refreshing = scene == Scene::busy || scene == Scene::plane;
    if (refreshing)
        null_host::host.frameTime = 16;
    else
        bench::stopClock();
    velquist::schedule.menuOpen = scene == Scene::menu;

    const uint32_t refreshes = velquist::schedule.refreshCount;
    const uint64_t natives = null_host::host.counters.natives;
    const uint64_t draws = null_host::host.counters.draws;
    measured_frames(count);
    const uint32_t refreshed = velquist::schedule.refreshCount - refreshes;
    std::printf("%s: %d frames, %u refreshes, %.1f natives and %.1f draws a frame\n", name, count,
                refreshed, static_cast<double>(null_host::host.counters.natives - natives) / count,
                static_cast<double>(null_host::host.counters.draws - draws) / count);
    if (refreshed != (refreshing ? static_cast<uint32_t>(count) : 0u)) {
        std::fprintf(stderr, "velquist_refresh_probe: unexpected refresh count\n");
        return 1;
    }
    return 0;
}
