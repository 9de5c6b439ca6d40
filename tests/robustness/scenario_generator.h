// Random but valid scenarios for the simulator: vehicles of every class with any speed,
// gear, rpm, throttle and health the game could report (NaN, infinities, negative and
// huge values included), decorators of both types, null and overlong labels, every
// player state, key events of any code (255 and above, keys never released), menu use
// with random navigation and value steps, INI files with garbage bytes, huge numbers and
// very long lines, missing, empty and broken images, failing disks, clock jumps and the
// tick count's wrap. The same seed always gives the same scenario.
#pragma once

#include <cstdint>
#include <string>

namespace scenario_fuzz {

// splitmix64: small, fast and the same on every platform.
class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t next();
    // 0 .. n - 1 (n > 0).
    uint64_t below(uint64_t n) { return next() % n; }
    int64_t range(int64_t lo, int64_t hi) {
        return lo + static_cast<int64_t>(below(static_cast<uint64_t>(hi - lo) + 1));
    }
    bool percent(int p) { return below(100) < static_cast<uint64_t>(p); }
    template <class T, size_t N>
    const T& pick(const T (&items)[N]) {
        return items[below(N)];
    }

  private:
    uint64_t state_;
};

struct GeneratedScenario {
    std::string text;        // the scenario
    bool dataFolder = true;  // false: run it in a game folder without a data folder
    bool shots = false;      // it takes pictures (run it with --shots)
};

GeneratedScenario generateScenario(uint64_t seed);

}  // namespace scenario_fuzz
