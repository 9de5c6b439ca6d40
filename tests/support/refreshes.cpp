#include "support/refreshes.h"

#include "core/schedule.h"
#include "hud/refresh_hud.h"
#include "support/test_host.h"

namespace testing_host {

void runRefreshes(int times, int32_t elapsed) {
    for (int i = 0; i < times; ++i) {
        host.tick += static_cast<uint32_t>(elapsed);
        ++velquist::schedule.refreshCount;
        velquist::schedule.refreshElapsed = elapsed;
        velquist::refreshHud();
    }
}

}  // namespace testing_host
