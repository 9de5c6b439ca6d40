// Game memory access: the entity-pool scan over an executable-sized image at load, and the
// three field reads every refresh makes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "host/game_memory.h"
#include "host/sim_host.h"
#include "world/simulated_memory.h"
#include "world/world.h"

namespace {

// Code-like bytes (many of them the instruction's first byte), the instruction near the end.
std::vector<uint8_t> executableImage(size_t size) {
    std::vector<uint8_t> image(size);
    uint32_t state = 12345;
    for (uint8_t& b : image) {
        state = state * 1664525u + 1013904223u;
        b = (state >> 24) < 32 ? 0x4C : static_cast<uint8_t>(state >> 16);
    }
    const size_t at = size - 4096;
    std::memcpy(image.data() + at, velquist::entityPoolPattern, velquist::entityPoolPatternSize);
    return image;
}

void entityPoolScan(benchmark::State& state) {
    const auto image = executableImage(static_cast<size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(velquist::findEntityPool({image.data(), image.size()}));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(entityPoolScan)->Arg(1 << 20)->Arg(64 << 20)->Unit(benchmark::kMillisecond);

void vehicleFieldReads(benchmark::State& state) {
    sim::resetWorld();
    const std::string label = "ADDER";
    sim::Vehicle* v = sim::addVehicle("adder", &label, 7, 1);
    v->gear = 3;
    sim::stepWorld(16, sim::host.gameVersion);
    velquist::gameMemory.entityPool =
        velquist::findEntityPool({sim::memory.imageBase(), sim::memory.imageSize()});
    const int32_t handle = v->entity.handle;
    for (auto _ : state) {
        benchmark::DoNotOptimize(velquist::readCurrentGear(handle));
        benchmark::DoNotOptimize(velquist::readEngineRpm(handle));
        benchmark::DoNotOptimize(velquist::readThrottle(handle));
    }
}
BENCHMARK(vehicleFieldReads);

}  // namespace
