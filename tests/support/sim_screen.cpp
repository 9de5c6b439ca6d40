#include "support/sim_screen.h"

#include "host/sim_host.h"
#include "render/renderer.h"

namespace sim_screen {

void reset(int width, int height) {
    sim::host.screenWidth = width;
    sim::host.screenHeight = height;
    sim::host.tick = 100000;
    reset();
}

void reset() {
    sim::host.textures.clear();
    sim::host.draws.clear();
    sim::host.frameRects.clear();
    sim::host.frameTexts.clear();
    sim::renderer().clearTextures();
}

}  // namespace sim_screen
