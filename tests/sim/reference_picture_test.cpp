// A rendered frame of a known scenario against a checked-in picture, so that an
// accidental change of the layout, the skin or the renderer shows. To accept a deliberate
// change, run tests/reference/cluster.scn with --shots and copy the new cluster.png over
// the reference.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/sim_process.h"
#include "support/temp_files.h"

namespace fs = std::filesystem;

namespace {

struct Difference {
    int width = 0, height = 0;
    long long pixels = 0;  // pixels whose largest channel difference exceeds the tolerance
    int largest = 0;       // the largest channel difference of any pixel
};

Difference compare(cairo_surface_t* a, cairo_surface_t* b, int tolerance) {
    Difference d;
    d.width = cairo_image_surface_get_width(a);
    d.height = cairo_image_surface_get_height(a);
    if (d.width != cairo_image_surface_get_width(b) ||
        d.height != cairo_image_surface_get_height(b)) {
        d.pixels = -1;
        return d;
    }
    const unsigned char* pa = cairo_image_surface_get_data(a);
    const unsigned char* pb = cairo_image_surface_get_data(b);
    const int sa = cairo_image_surface_get_stride(a), sb = cairo_image_surface_get_stride(b);
    for (int y = 0; y < d.height; ++y)
        for (int x = 0; x < d.width; ++x) {
            int worst = 0;
            for (int c = 0; c < 4; ++c)
                worst = std::max(worst, std::abs(pa[y * sa + x * 4 + c] - pb[y * sb + x * 4 + c]));
            d.largest = std::max(d.largest, worst);
            if (worst > tolerance) ++d.pixels;
        }
    return d;
}

TEST(ReferencePicture, ClusterMatchesTheCheckedInPicture) {
    const fs::path shots = temp_files::folderUntilExit();
    const auto r = sim_process::run(temp_files::readFile(VELQUIST_REFERENCE "/cluster.scn"),
                                    {"--shots", shots.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    cairo_surface_t* made = cairo_image_surface_create_from_png((shots / "cluster.png").c_str());
    cairo_surface_t* reference =
        cairo_image_surface_create_from_png(VELQUIST_REFERENCE "/cluster.png");
    ASSERT_EQ(cairo_surface_status(made), CAIRO_STATUS_SUCCESS);
    ASSERT_EQ(cairo_surface_status(reference), CAIRO_STATUS_SUCCESS);
    // A few steps of a channel, on one pixel in ten thousand, allow for rounding in another
    // build of the image libraries; the needle a second of driving further on already
    // changes some 300 pixels by far more.
    const Difference d = compare(made, reference, 6);
    EXPECT_GE(d.pixels, 0) << "the picture's size changed";
    EXPECT_LE(d.pixels, d.width * d.height / 10000)
        << d.pixels << " pixels differ by more than 6 (largest " << d.largest << ")";
    cairo_surface_destroy(made);
    cairo_surface_destroy(reference);
}

}  // namespace
