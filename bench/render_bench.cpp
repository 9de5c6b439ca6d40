// Composing a 1920 x 1080 picture of a full cluster (velocity dial with shade, needle,
// unit label, brand, damage glow, rpm dial with its needle and shade, nine LEDs, gear
// digit) from the default skin, once its images are decoded.
#include <benchmark/benchmark.h>

#include <string>

#include "host/sim_host.h"
#include "render/renderer.h"

using sim::host;

namespace {

int texture(const char* relative) {
    std::string path = std::string(VELQUIST_SKIN_FOLDER) + "/" + relative;
    for (char& c : path)
        if (c == '\\') c = '/';
    return sim::addTexture({path, relative, false});
}

void draw(int id, int index, int level, float size, float x, float y, float rot, float r, float g,
          float b, float a) {
    host.draws[{id, index}] =
        sim::DrawRecord{id, index, level,        150, size, size, 0.5f, 0.5f,     x,
                        y,  rot,   16.0f / 9.0f, r,   g,    b,    a,    host.tick};
}

void setUpCluster() {
    host.screenWidth = 1920;
    host.screenHeight = 1080;
    host.textures.clear();
    host.draws.clear();
    const float s = 0.162f, x = 0.88f, y = 0.82f, a = 0.9f, A = 16.0f / 9.0f;
    draw(texture("Shadow\\ShadowMain.png"), 0, -9999, s, x, y, 0, 1, 1, 1, 0.3f);
    draw(texture("Brands\\Albany.png"), 0, -9998, s, x, y, 0, 1, 1, 1, 0.45f);
    draw(texture("Velocity\\TextKmh.png"), 0, -9997, s, x, y, 0, 1, 1, 1, a);
    draw(texture("Damage.png"), 0, -9996, s, x, y, 0, 1, 0, 0, 0.4f);
    draw(texture("Velocity\\LinKmhFast.png"), 0, -9995, s, x, y, 0, 1, 1, 1, a);
    draw(texture("Needles\\NeedleBigA.png"), 0, -9992, s, x, y, 0.93f, 1, 0.1f, 0.1f, a);
    const float ex = x - 0.5439453125f * s, ey = y + 0.173828125f * s * A;
    draw(texture("Rpm\\Rpm8.png"), 0, -9999, s, ex, ey, 0, 1, 1, 1, a);
    draw(texture("Rpm\\RpmText.png"), 0, -9997, s, ex, ey, 0, 1, 1, 1, a);
    draw(texture("Needles\\NeedleSmallB.png"), 0, -9992, s, ex, ey, 0.95f, 1, 0.1f, 0.1f, a);
    draw(texture("Shadow\\ShadowLeft.png"), 0, -9999, s, ex, ey, 0, 1, 1, 1, 0.3f);
    const int on = texture("Rpm\\LedOn.png");
    for (int i = 0; i < 9; ++i)
        draw(on, i, -9994, 0.07f * s, x + (i - 4) * 0.048828125f * s, y + 0.137f * s * A, 0,
             i < 3 ? 0.0f : 1.0f, i < 6 ? 1.0f : 0.0f, 0, a);
    draw(texture("GearNumbers\\Gear3.png"), 0, -9993, 0.4f * s, x, y, 0, 1, 1, 1, a);
}

void BM_ComposeCluster1080p(benchmark::State& state) {
    setUpCluster();
    sim::renderer().compose();  // decodes every image once
    for (auto _ : state)
        benchmark::DoNotOptimize(sim::renderer().compose());
}
BENCHMARK(BM_ComposeCluster1080p)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
