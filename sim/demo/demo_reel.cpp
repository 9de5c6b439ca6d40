#include "demo/demo_reel.h"

#include <cairo.h>
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>

namespace sim::demo {

namespace {

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

Surface loadPng(const std::string& path, std::string& error) {
    Surface s(cairo_image_surface_create_from_png(path.c_str()), cairo_surface_destroy);
    if (cairo_surface_status(s.get()) != CAIRO_STATUS_SUCCESS) {
        error = "cannot read " + path;
        return Surface(nullptr, cairo_surface_destroy);
    }
    return s;
}

// The picture scaled to the given width, on an opaque image of its own.
Surface scaled(cairo_surface_t* source, int width) {
    const int sw = cairo_image_surface_get_width(source);
    const int sh = cairo_image_surface_get_height(source);
    const int height = std::max(1, sh * width / std::max(1, sw));
    Surface out(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height),
                cairo_surface_destroy);
    cairo_t* cr = cairo_create(out.get());
    cairo_scale(cr, static_cast<double>(width) / sw, static_cast<double>(height) / sh);
    cairo_set_source_surface(cr, source, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(out.get());
    return out;
}

}  // namespace

bool writeContactSheet(const std::vector<std::string>& frames, const std::string& out,
                       const ReelOptions& options, std::string& error) {
    if (frames.empty()) {
        error = "no frames";
        return false;
    }
    std::vector<Surface> thumbs;
    for (const std::string& f : frames) {
        Surface picture = loadPng(f, error);
        if (!picture) return false;
        thumbs.push_back(scaled(picture.get(), options.thumbWidth));
    }
    const int gap = 8, caption = 22;
    const int tw = options.thumbWidth;
    const int th = cairo_image_surface_get_height(thumbs[0].get());
    const int columns = std::max(1, options.columns);
    const int rows = (static_cast<int>(thumbs.size()) + columns - 1) / columns;
    const int width = gap + columns * (tw + gap);
    const int height = gap + rows * (th + caption + gap);
    Surface sheet(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height),
                  cairo_surface_destroy);
    cairo_t* cr = cairo_create(sheet.get());
    cairo_set_source_rgb(cr, 0.11, 0.12, 0.13);
    cairo_paint(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 13);
    for (size_t i = 0; i < thumbs.size(); ++i) {
        const int x = gap + static_cast<int>(i) % columns * (tw + gap);
        const int y = gap + static_cast<int>(i) / columns * (th + caption + gap);
        cairo_set_source_surface(cr, thumbs[i].get(), x, y);
        cairo_paint(cr);
        cairo_set_source_rgb(cr, 0.85, 0.86, 0.88);
        cairo_move_to(cr, x + 2, y + th + 16);
        cairo_show_text(cr, std::filesystem::path(frames[i]).stem().string().c_str());
    }
    cairo_destroy(cr);
    if (cairo_surface_write_to_png(sheet.get(), out.c_str()) != CAIRO_STATUS_SUCCESS) {
        error = "cannot write " + out;
        return false;
    }
    return true;
}

bool writeAnimatedGif(const std::vector<std::string>& frames, const std::string& out,
                      const ReelOptions& options, std::string& error) {
    if (frames.empty()) {
        error = "no frames";
        return false;
    }
    int gifError = 0;
    GifFileType* gif = EGifOpenFileName(out.c_str(), false, &gifError);
    if (!gif) {
        error = "cannot write " + out + ": " + GifErrorString(gifError);
        return false;
    }
    auto fail = [&](const std::string& what) {
        error = what;
        EGifCloseFile(gif, &gifError);
        return false;
    };
    bool first = true;
    for (const std::string& f : frames) {
        Surface picture = loadPng(f, error);
        if (!picture) return fail(error);
        Surface small = scaled(picture.get(), options.gifWidth);
        const int w = cairo_image_surface_get_width(small.get());
        const int h = cairo_image_surface_get_height(small.get());
        const int stride = cairo_image_surface_get_stride(small.get());
        const unsigned char* data = cairo_image_surface_get_data(small.get());
        const size_t n = static_cast<size_t>(w) * static_cast<size_t>(h);
        std::vector<GifByteType> r(n), g(n), b(n), index(n);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                uint32_t pixel;
                std::memcpy(&pixel, data + y * stride + x * 4, 4);  // xRGB in native order
                const size_t i = static_cast<size_t>(y) * static_cast<size_t>(w) + x;
                r[i] = static_cast<GifByteType>(pixel >> 16);
                g[i] = static_cast<GifByteType>(pixel >> 8);
                b[i] = static_cast<GifByteType>(pixel);
            }
        int colours = 256;
        std::vector<GifColorType> palette(256);
        if (GifQuantizeBuffer(static_cast<unsigned>(w), static_cast<unsigned>(h), &colours,
                              r.data(), g.data(), b.data(), index.data(),
                              palette.data()) == GIF_ERROR)
            return fail("cannot reduce the colours of " + f);
        ColorMapObject* map = GifMakeMapObject(256, palette.data());
        if (first) {
            if (EGifPutScreenDesc(gif, w, h, 8, 0, nullptr) == GIF_ERROR)
                return fail("cannot write " + out);
            // Loop for ever.
            const unsigned char loop[] = {1, 0, 0};
            if (EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
                EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_ERROR ||
                EGifPutExtensionBlock(gif, 3, loop) == GIF_ERROR ||
                EGifPutExtensionTrailer(gif) == GIF_ERROR)
                return fail("cannot write " + out);
            first = false;
        }
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSE_DO_NOT;
        gcb.DelayTime = options.gifDelay;
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType block[4];
        EGifGCBToExtension(&gcb, block);
        bool ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block) != GIF_ERROR &&
                  EGifPutImageDesc(gif, 0, 0, w, h, false, map) != GIF_ERROR;
        for (int y = 0; ok && y < h; ++y)
            ok = EGifPutLine(gif, index.data() + static_cast<size_t>(y) * w, w) != GIF_ERROR;
        GifFreeMapObject(map);
        if (!ok) return fail("cannot write " + out);
    }
    if (EGifCloseFile(gif, &gifError) == GIF_ERROR) {
        error = "cannot finish " + out;
        return false;
    }
    return true;
}

}  // namespace sim::demo
