// The renderer: textures placed by size, aspect factor, pivot and position, turned
// clockwise, tinted and faded; levels, replacement and expiry of draws; rectangles and
// texts under the textures.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "host/sim_host.h"
#include "render/png_file.h"
#include "render/renderer.h"
#include "support/sim_process.h"
#include "support/sim_screen.h"
#include "support/temp_files.h"

namespace {

using sim::DrawRecord;
using sim::host;

struct Rgb {
    int r, g, b;
};

// A test texture: white, with a red bar along the top middle (a needle pointing up).
std::string writeTexture(const std::string& folder, const std::string& name, int size,
                         bool marker) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    if (marker) {
        cairo_set_source_rgb(cr, 1, 0, 0);
        cairo_rectangle(cr, size * 0.4, 0, size * 0.2, size * 0.3);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
    const std::string path = folder + "/" + name;
    cairo_surface_write_to_png(s, path.c_str());
    cairo_surface_destroy(s);
    return path;
}

// An opaque image of one colour, width x height px, written to path.
void writeBlock(const std::string& path, int width, int height, double r, double g, double b) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, r, g, b);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_write_to_png(s, path.c_str());
    cairo_surface_destroy(s);
}

class Render : public ::testing::Test {
  protected:
    void SetUp() override {
        sim_screen::reset(1000, 1000);
        folder = temp_files::folderUntilExit();
        white = texture(writeTexture(folder, "white.png", 64, false));
        needle = texture(writeTexture(folder, "needle.png", 100, true));
    }
    int texture(const std::string& path) { return sim::addTexture({path, path, false}); }
    // Draws a texture as the HUD does: square at the true aspect ratio, centred pivot.
    void draw(int id, int index, int level, float size, float x, float y, float rot = 0,
              float r = 1, float g = 1, float b = 1, float a = 1, int time = 150) {
        const float aspect = static_cast<float>(host.screenWidth) / host.screenHeight;
        host.draws[{id, index}] = DrawRecord{id, index, level,  time, size, size, 0.5f, 0.5f,     x,
                                             y,  rot,   aspect, r,    g,    b,    a,    host.tick};
    }
    Rgb pixel(int x, int y) { return at(sim::renderer().compose(), x, y); }
    static Rgb at(cairo_surface_t* s, int x, int y) {
        const unsigned char* data = cairo_image_surface_get_data(s);
        const auto p =
            reinterpret_cast<const uint32_t*>(data + y * cairo_image_surface_get_stride(s))[x];
        return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                static_cast<int>(p & 0xFF)};
    }
    bool isWhite(Rgb p) { return p.r > 245 && p.g > 245 && p.b > 245; }
    bool isRed(Rgb p) { return p.r > 200 && p.g < 60 && p.b < 60; }
    bool isBackdrop(int x, int y) {
        const auto saved = host.draws;
        host.draws.clear();
        const Rgb plain = pixel(x, y);
        host.draws = saved;
        const Rgb now = pixel(x, y);
        return plain.r == now.r && plain.g == now.g && plain.b == now.b;
    }

    std::string folder;
    int white = 0, needle = 0;
};

using RendererTest = Render;

TEST_F(RendererTest, TextureCoversItsSizeAroundItsPosition) {
    draw(white, 0, 0, 0.1f, 0.3f, 0.4f);  // 100 x 100 px around (300, 400)
    EXPECT_TRUE(isWhite(pixel(300, 400)));
    EXPECT_TRUE(isWhite(pixel(252, 352)));
    EXPECT_TRUE(isWhite(pixel(347, 447)));
    EXPECT_TRUE(isBackdrop(246, 400));
    EXPECT_TRUE(isBackdrop(354, 400));
    EXPECT_TRUE(isBackdrop(300, 346));
    EXPECT_TRUE(isBackdrop(300, 454));
}

TEST_F(RendererTest, HeightIsScaledByTheAspectFactor) {
    host.screenWidth = 2000;  // equal sizes at the true aspect ratio give a square
    draw(white, 0, 0, 0.1f, 0.5f, 0.5f);
    EXPECT_TRUE(isWhite(pixel(1000, 597)));
    EXPECT_TRUE(isWhite(pixel(903, 500)));
    EXPECT_TRUE(isBackdrop(1000, 606));
    EXPECT_TRUE(isBackdrop(894, 500));
}

TEST_F(RendererTest, PivotIsPlacedOnThePosition) {
    draw(white, 0, 0, 0.1f, 0.5f, 0.5f);
    host.draws[{white, 0}].centerX = 0.0f;  // the left edge on the position
    host.draws[{white, 0}].centerY = 1.0f;  // the bottom edge on the position
    EXPECT_TRUE(isWhite(pixel(503, 497)));
    EXPECT_TRUE(isWhite(pixel(597, 403)));
    EXPECT_TRUE(isBackdrop(494, 450));
    EXPECT_TRUE(isBackdrop(550, 506));
}

TEST_F(RendererTest, PositiveRotationTurnsClockwise) {
    draw(needle, 0, 0, 0.2f, 0.5f, 0.5f);  // marker above the centre
    EXPECT_TRUE(isRed(pixel(500, 420)));
    host.draws[{needle, 0}].rotation = 0.25f;  // a quarter turn: the marker to the right
    EXPECT_TRUE(isRed(pixel(580, 500)));
    EXPECT_FALSE(isRed(pixel(500, 420)));
    EXPECT_FALSE(isRed(pixel(420, 500)));
    host.draws[{needle, 0}].rotation = 1.5f;  // one and a half turns: below
    EXPECT_TRUE(isRed(pixel(500, 580)));
}

TEST_F(RendererTest, ColourIsMultipliedIntoThePixels) {
    draw(needle, 0, 0, 0.2f, 0.5f, 0.5f, 0, 0.0f, 1.0f, 0.5f);
    const Rgb body = pixel(500, 520);  // white becomes the colour
    EXPECT_LT(body.r, 5);
    EXPECT_GT(body.g, 250);
    EXPECT_NEAR(body.b, 128, 3);
    const Rgb marker = pixel(500, 420);  // red times (0, 1, 0.5) is black
    EXPECT_LT(marker.r + marker.g + marker.b, 10);
}

TEST_F(RendererTest, AlphaIsClampedToZeroToOne) {
    draw(white, 0, 0, 0.1f, 0.5f, 0.5f, 0, 1, 1, 1, 2.5f);
    EXPECT_TRUE(isWhite(pixel(500, 500)));
    host.draws[{white, 0}].a = -0.5f;
    EXPECT_TRUE(isBackdrop(500, 500));
    host.draws[{white, 0}].a = 0.5f;  // half way between the backdrop and white
    const Rgb half = pixel(500, 500);
    host.draws[{white, 0}].a = 0.0f;
    const Rgb plain = pixel(500, 500);
    EXPECT_NEAR(half.r, (plain.r + 255) / 2, 2);
    EXPECT_NEAR(half.b, (plain.b + 255) / 2, 2);
}

TEST_F(RendererTest, HigherLevelsAreDrawnInFront) {
    // The red-tinted square has the lower id but the higher level.
    draw(white, 0, -9992, 0.1f, 0.5f, 0.5f, 0, 1, 0, 0);
    draw(needle, 0, -9999, 0.2f, 0.5f, 0.5f, 0, 0, 0, 1);
    EXPECT_TRUE(isRed(pixel(500, 500)));
    host.draws[{white, 0}].level = -9999;
    host.draws[{needle, 0}].level = -9995;
    const Rgb p = pixel(500, 500);
    EXPECT_LT(p.r, 5);
    EXPECT_GT(p.b, 250);
}

TEST_F(RendererTest, ADrawReplacesTheEarlierOneOfItsIdAndIndexOnly) {
    draw(white, 0, 0, 0.05f, 0.2f, 0.2f);
    draw(white, 1, 0, 0.05f, 0.8f, 0.2f);
    draw(white, 0, 0, 0.05f, 0.5f, 0.5f);  // instance 0 moves, instance 1 stays
    EXPECT_TRUE(isBackdrop(200, 200));
    EXPECT_TRUE(isWhite(pixel(500, 500)));
    EXPECT_TRUE(isWhite(pixel(800, 200)));
}

TEST_F(RendererTest, ADrawExpiresAfterItsTime) {
    draw(white, 0, 0, 0.1f, 0.5f, 0.5f);
    host.tick += 149;
    EXPECT_TRUE(isWhite(pixel(500, 500)));
    host.tick += 1;
    EXPECT_TRUE(isBackdrop(500, 500));
    // Across the wrap of the tick count.
    host.tick = 0xFFFFFFF0u;
    draw(white, 0, 0, 0.1f, 0.5f, 0.5f);
    host.tick += 100;
    EXPECT_TRUE(isWhite(pixel(500, 500)));
}

TEST_F(RendererTest, BrokenValuesAndMissingFilesDrawNothing) {
    const int missing = texture(folder + "/none.png");
    const int notPng = texture(folder + "/notpng.png");
    std::FILE* f = std::fopen((folder + "/notpng.png").c_str(), "wb");
    std::fputs("not a picture", f);
    std::fclose(f);
    draw(missing, 0, 0, 0.1f, 0.5f, 0.5f);
    draw(notPng, 0, 0, 0.1f, 0.5f, 0.5f);
    draw(99, 0, 0, 0.1f, 0.5f, 0.5f);  // an id createTexture never gave
    draw(white, 0, 0, std::nanf(""), 0.5f, 0.5f);
    draw(white, 1, 0, -0.1f, 0.5f, 0.5f);
    draw(white, 2, 0, 0.1f, 0.5f, 0.5f, std::nanf(""));
    draw(white, 3, 0, 1e9f, 0.5f, 0.5f);
    EXPECT_TRUE(isBackdrop(500, 500));
}

TEST_F(RendererTest, TextsStandOverRectanglesAndTexturesOverBoth) {
    sim::RectRecord rect;
    rect.x = 0.5f, rect.y = 0.5f, rect.w = 0.4f, rect.h = 0.2f;
    rect.rgba[0] = 0, rect.rgba[1] = 0, rect.rgba[2] = 255, rect.rgba[3] = 255;
    host.frameRects.push_back(rect);
    sim::TextRecord text;
    text.text = "MMMMMMMM";
    text.scale = 1.0f;
    text.x = 0.35f, text.y = 0.42f;
    host.frameTexts.push_back(text);
    const Rgb blue = pixel(320, 500);
    EXPECT_EQ(blue.r, 0);
    EXPECT_EQ(blue.b, 255);
    int lit = 0;  // white letters over the blue rectangle
    cairo_surface_t* frame = sim::renderer().compose();
    for (int x = 350; x < 650; ++x)
        lit += isWhite(at(frame, x, 470)) ? 1 : 0;
    EXPECT_GT(lit, 20);
    draw(white, 0, 0, 0.4f, 0.5f, 0.5f, 0, 1, 0, 0);
    frame = sim::renderer().compose();
    for (int x = 350; x < 650; x += 10)
        EXPECT_TRUE(isRed(at(frame, x, 470)));
}

// The images behind the pictures: one limit on their size, and one decoded image of a file
// for all the texture ids the plug-in's image reloads ask for.
using RendererImages = Render;

TEST_F(RendererImages, ImageOverTheSizeLimitIsLeftOutAsAnUnreadableOneIs) {
    const int side = sim::imageSideMax;
    writeBlock(folder + "/widest.png", side, 4, 1, 1, 1);
    writeBlock(folder + "/wider.png", side + 1, 4, 1, 1, 1);
    draw(texture(folder + "/widest.png"), 0, 0, 0.1f, 0.3f, 0.5f);
    draw(texture(folder + "/wider.png"), 0, 0, 0.1f, 0.7f, 0.5f);
    EXPECT_TRUE(isWhite(pixel(300, 500)));
    EXPECT_TRUE(isBackdrop(700, 500));
    EXPECT_EQ(sim::renderer().decodedTextures(), 1u);
}

TEST_F(RendererImages, NewIdsOfAnUnchangedFileShareItsDecodedImage) {
    const std::string path = folder + "/needle.png";
    for (int reload = 0; reload < 20; ++reload) {
        host.tick += 150;  // the last id's draw has ended
        draw(texture(path), 0, 0, 0.2f, 0.5f, 0.5f);
        ASSERT_TRUE(isRed(pixel(500, 420))) << reload;
    }
    EXPECT_EQ(sim::renderer().decodedTextures(), 1u);
}

TEST_F(RendererImages, AChangedFileGivesNewIdsItsPixelsWhileAnOldIdStillShowsTheOld) {
    const std::string path = folder + "/swap.png";
    writeBlock(path, 32, 32, 1, 1, 1);
    const int before = texture(path);
    draw(before, 0, 0, 0.1f, 0.3f, 0.5f);
    ASSERT_TRUE(isWhite(pixel(300, 500)));
    writeBlock(path, 32, 32, 1, 0, 0);  // same size, other bytes
    const int after = texture(path);
    draw(after, 0, 0, 0.1f, 0.7f, 0.5f);
    EXPECT_TRUE(isWhite(pixel(300, 500)));
    EXPECT_TRUE(isRed(pixel(700, 500)));
    EXPECT_EQ(sim::renderer().decodedTextures(), 2u);
    // Once the old id is no longer drawn, its image goes.
    host.tick += 150;
    draw(after, 0, 0, 0.1f, 0.7f, 0.5f);
    EXPECT_TRUE(isRed(pixel(700, 500)));
    EXPECT_EQ(sim::renderer().decodedTextures(), 1u);
    // A file that becomes unreadable gives new ids nothing.
    writeBlock(path, sim::imageSideMax + 1, 1, 1, 1, 1);
    host.tick += 150;
    draw(texture(path), 0, 0, 0.1f, 0.7f, 0.5f);
    EXPECT_TRUE(isBackdrop(700, 500));
}

}  // namespace
