// What the cluster costs the game: the texture memory of a start-up with the shipped data
// folder, summed over every createTexture call of the trace as width x height x 4 bytes
// (the image as the game holds it once decoded, read from each file's PNG header), and
// whether every image has the pixels it is drawn with at the common resolutions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "hud/layout_geometry.h"
#include "hud/texture_catalogue.h"
#include "render/png_file.h"
#include "skin/geometry.h"
#include "support/sim_process.h"

namespace cat = velquist::catalogue;

namespace {

constexpr uint64_t budget = uint64_t{64} << 20;  // bytes

std::string skinFile(const std::string& relative) {
    std::string path = std::string(VELQUIST_SKIN_FOLDER) + "/" + relative;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

TEST(TextureMemoryTest, StartUpAsksForAtMost64MiB) {
    const sim_process::Result r = sim_process::run("run 100\n");
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const auto loads = trace_reader::only(r.trace, "texture");
    // Every HUD image once, then one logo for each of the 100 brand slots.
    ASSERT_EQ(loads.size(), 151u);
    uint64_t bytes = 0, blankLogos = 0;
    for (const auto& load : loads) {
        const std::string path = load["path"].str();
        EXPECT_FALSE(load.value.has("missing")) << path;
        const std::optional<sim::PngSize> size = sim::readPngSize(skinFile(path));
        ASSERT_TRUE(size) << path;
        bytes += uint64_t{size->width} * size->height * 4;
        if (path == std::string(cat::brandFolder) + "Empty" + cat::brandSuffix) {
            ++blankLogos;
            EXPECT_LE(size->width * size->height, 16u) << "the blank logo is tiny";
        }
    }
    EXPECT_GT(blankLogos, 50u);  // the shipped table leaves most slots unset
    EXPECT_LE(bytes, budget) << bytes / 1024 << " KiB";
    std::printf("texture memory of a start-up: %llu KiB in %zu loads\n",
                static_cast<unsigned long long>(bytes / 1024), loads.size());
}

// The widest an image is drawn, in screen pixels, at a screen width and HUD size (the
// layout's float sizes, rounded to a thousandth of a pixel).
double drawnPixels(double screenWidth, int hudSize, double ofSprite) {
    const double scale = hudSize / 100.0 * (hudSize / 100.0);
    const double px = velquist::geometry::spriteSizeAtScale1 * scale * screenWidth * ofSprite;
    return std::round(px * 1000) / 1000;
}

TEST(TextureMemoryTest, SharpImagesAreNeverEnlargedAt1440pAndLittleAt4K) {
    struct Image {
        const char* what;
        int pixels;
        double ofSprite;  // drawn size, of the sprite
    };
    const Image sharp[] = {
        {"dials, labels and needles", skin::fullPixels, 1.0},
        {"LEDs", skin::ledPixels, velquist::geometry::ledSize},
        {"gear images", skin::gearPixels, velquist::geometry::gearSizeOnVelocity},
    };
    for (const Image& i : sharp) {
        for (int hud : {90, 100}) {
            EXPECT_LE(drawnPixels(1920, hud, i.ofSprite), i.pixels) << i.what << " at 1080p";
            EXPECT_LE(drawnPixels(2560, hud, i.ofSprite), i.pixels) << i.what << " at 1440p";
        }
        EXPECT_LE(drawnPixels(3840, 90, i.ofSprite), 1.25 * i.pixels) << i.what << " at 4K";
    }
    // A logo is a small wordmark, drawn at the brand opacity; 45 logos of the full
    // canvas would alone take most of the budget, so they are enlarged a little.
    EXPECT_LE(drawnPixels(1920, 100, 1.0), skin::logoPixels);
    EXPECT_LE(drawnPixels(2560, 100, 1.0), 1.34 * skin::logoPixels);
}

}  // namespace
