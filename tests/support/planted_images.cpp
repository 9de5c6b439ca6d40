#include "support/planted_images.h"

#include <cairo.h>

#include <algorithm>
#include <cstdint>

namespace planted_images {

void writeBox(const std::filesystem::path& file, int width, int height, int x0, int y0, int x1,
              int y1) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_write_to_png(s, file.c_str());
    cairo_surface_destroy(s);
}

void scaleAboutCentre(const std::filesystem::path& file, double factor) {
    cairo_surface_t* in = cairo_image_surface_create_from_png(file.c_str());
    const int w = cairo_image_surface_get_width(in), h = cairo_image_surface_get_height(in);
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(out);
    cairo_translate(cr, w / 2.0, h / 2.0);
    cairo_scale(cr, factor, factor);
    cairo_translate(cr, -w / 2.0, -h / 2.0);
    cairo_set_source_surface(cr, in, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_write_to_png(out, file.c_str());
    cairo_surface_destroy(out);
    cairo_surface_destroy(in);
}

Box inkBox(const std::filesystem::path& file, int minimumAlpha) {
    cairo_surface_t* s = cairo_image_surface_create_from_png(file.c_str());
    Box b;
    b.width = cairo_image_surface_get_width(s);
    b.height = cairo_image_surface_get_height(s);
    b.x0 = b.width;
    b.y0 = b.height;
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x) {
            const uint32_t p = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
            if (static_cast<int>(p >> 24) < minimumAlpha) continue;
            b.x0 = std::min(b.x0, x);
            b.y0 = std::min(b.y0, y);
            b.x1 = std::max(b.x1, x + 1);
            b.y1 = std::max(b.y1, y + 1);
        }
    cairo_surface_destroy(s);
    return b;
}

double unitsRight(const Box& b) {
    return (static_cast<double>(b.x1) / b.width - 0.5) * 1024;
}

double unitsDown(const Box& b) {
    return (static_cast<double>(b.y1) / b.height - 0.5) * 1024;
}

}  // namespace planted_images
