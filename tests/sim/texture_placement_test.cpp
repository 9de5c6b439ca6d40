// The placement the renderer paints a draw with and the layout check measures with: the
// point mapping the check uses lands where cairo puts the same image point, and the
// inverse mapping undoes it.
#include <cairo.h>
#include <gtest/gtest.h>

#include <limits>

#include "render/cairo_placement.h"
#include "render/texture_placement.h"

namespace {

sim::DrawRecord turnedDraw() {
    sim::DrawRecord d;
    d.sizeX = 0.13f;
    d.sizeY = 0.13f;
    d.aspect = 1.6f;
    d.centerX = 0.6f;
    d.centerY = 0.65f;
    d.posX = 0.71f;
    d.posY = 0.42f;
    d.rotation = 0.37f;
    d.a = 0.8f;
    return d;
}

TEST(TexturePlacement, PointMappingAgreesWithCairo) {
    const auto p = sim::placeTexture(turnedDraw(), 1920, 1200);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->width, 0.13 * 1920, 1e-3);
    EXPECT_NEAR(p->height, 0.13 * 1200 * 1.6, 1e-3);  // square at the true aspect ratio
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 4, 4);
    cairo_t* cr = cairo_create(s);
    sim::applyPlacement(cr, *p);
    for (double u : {0.0, 0.25, 0.6, 1.0})
        for (double v : {0.0, 0.65, 0.9, 1.0}) {
            double x = u * p->pixelWidth, y = v * p->pixelHeight;
            cairo_user_to_device(cr, &x, &y);
            const sim::ScreenPixelPoint at = sim::imageToScreen(*p, u, v);
            EXPECT_NEAR(at.x, x, 1e-3) << u << "," << v;
            EXPECT_NEAR(at.y, y, 1e-3) << u << "," << v;
            const sim::ScreenPixelPoint back = sim::screenToImage(*p, at.x, at.y);
            EXPECT_NEAR(back.x, u, 1e-9);
            EXPECT_NEAR(back.y, v, 1e-9);
        }
    // The pivot stands on the position whatever the rotation.
    const sim::ScreenPixelPoint pivot = sim::imageToScreen(*p, 0.6, 0.65);
    EXPECT_NEAR(pivot.x, 0.71 * 1920, 1e-3);
    EXPECT_NEAR(pivot.y, 0.42 * 1200, 1e-3);
    cairo_destroy(cr);
    cairo_surface_destroy(s);
}

TEST(TexturePlacement, DrawsThatShowNothingHaveNoPlacement) {
    sim::DrawRecord d = turnedDraw();
    d.a = 0.0f;  // what clearing a slot draws
    EXPECT_FALSE(sim::placeTexture(d, 1920, 1080));
    d = turnedDraw();
    d.rotation = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(sim::placeTexture(d, 1920, 1080));
    d = turnedDraw();
    d.sizeX = 9.0f;  // wider than eight screens
    EXPECT_FALSE(sim::placeTexture(d, 1920, 1080));
    d = turnedDraw();
    d.a = 7.0f;
    ASSERT_TRUE(sim::placeTexture(d, 1920, 1080));
    EXPECT_EQ(sim::placeTexture(d, 1920, 1080)->alpha, 1.0);
}

}  // namespace
