#include "render/pixel_surface.h"

#include <cstring>

namespace sim {

cairo_surface_t* surfaceOfPixels(const PixelImage& image) {
    if (image.pixels.empty()) return nullptr;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const auto stride = static_cast<size_t>(cairo_image_surface_get_stride(s));
    const auto width = static_cast<size_t>(image.width);
    for (size_t y = 0; y < static_cast<size_t>(image.height); ++y)
        std::memcpy(data + y * stride, &image.pixels[y * width], width * sizeof(uint32_t));
    cairo_surface_mark_dirty(s);
    return s;
}

}  // namespace sim
