// PNG pixels through cairo's loader (libpng), the decoder of the Linux build.
#include <cairo.h>

#include <cstring>

#include "render/png_pixels.h"

namespace sim {

std::optional<PixelImage> decodePngWithCairo(const std::string& path) {
    cairo_surface_t* loaded = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(loaded) != CAIRO_STATUS_SUCCESS ||
        cairo_image_surface_get_width(loaded) <= 0 || cairo_image_surface_get_height(loaded) <= 0) {
        cairo_surface_destroy(loaded);
        return std::nullopt;
    }
    cairo_surface_t* argb = loaded;
    const cairo_format_t format = cairo_image_surface_get_format(loaded);
    if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24) {
        // Formats of more than 8 bits a channel: painted into 32 bits first.
        argb =
            cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(loaded),
                                       cairo_image_surface_get_height(loaded));
        cairo_t* cr = cairo_create(argb);
        cairo_set_source_surface(cr, loaded, 0, 0);
        cairo_paint(cr);
        cairo_destroy(cr);
    }
    cairo_surface_flush(argb);
    PixelImage image;
    image.width = cairo_image_surface_get_width(argb);
    image.height = cairo_image_surface_get_height(argb);
    image.pixels.resize(static_cast<size_t>(image.width) * static_cast<size_t>(image.height));
    const unsigned char* data = cairo_image_surface_get_data(argb);
    const auto stride = static_cast<size_t>(cairo_image_surface_get_stride(argb));
    // Without alpha the top byte means nothing to cairo: every pixel is opaque.
    const uint32_t opaque =
        cairo_image_surface_get_format(argb) == CAIRO_FORMAT_RGB24 ? 0xFF000000u : 0u;
    const auto rowBytes = static_cast<size_t>(image.width) * sizeof(uint32_t);
    for (int y = 0; y < image.height; ++y) {
        uint32_t* row = &image.pixels[static_cast<size_t>(y) * static_cast<size_t>(image.width)];
        std::memcpy(row, data + static_cast<size_t>(y) * stride, rowBytes);
        if (opaque)
            for (int x = 0; x < image.width; ++x)
                row[x] |= opaque;
    }
    if (argb != loaded) cairo_surface_destroy(argb);
    cairo_surface_destroy(loaded);
    return image;
}

}  // namespace sim
