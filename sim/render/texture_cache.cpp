#include "render/texture_cache.h"

#include "sim_files.h"

namespace sim {

namespace {

// Scaled copies kept before the cache starts over (a scenario that keeps resizing the
// HUD would otherwise grow it without end).
constexpr size_t scaledLimit = 512;

}  // namespace

TextureCache::~TextureCache() {
    clear();
}

void TextureCache::clear() {
    for (Entry& e : images_)
        if (e.image) cairo_surface_destroy(e.image);
    images_.clear();
    for (auto& [key, surface] : scaled_)
        cairo_surface_destroy(surface);
    scaled_.clear();
}

cairo_surface_t* TextureCache::image(int id, const std::string& hostPath) {
    if (id < 1) return nullptr;
    const auto slot = static_cast<size_t>(id - 1);
    if (slot >= images_.size()) images_.resize(slot + 1);
    Entry& e = images_[slot];
    if (!e.tried) {
        e.tried = true;
        // Not a FIFO or a device: those would keep the picture waiting, or never end.
        if (!isReadableFile(hostPath)) return nullptr;
        cairo_surface_t* s = cairo_image_surface_create_from_png(hostPath.c_str());
        if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS &&
            cairo_image_surface_get_width(s) > 0 && cairo_image_surface_get_height(s) > 0) {
            e.image = s;
        } else {
            cairo_surface_destroy(s);
        }
    }
    return e.image;
}

cairo_surface_t* TextureCache::scaled(int id, const std::string& hostPath, int width, int height) {
    cairo_surface_t* source = image(id, hostPath);
    if (!source) return nullptr;
    const auto key = std::make_tuple(id, width, height);
    if (auto it = scaled_.find(key); it != scaled_.end()) return it->second;
    if (scaled_.size() >= scaledLimit) {
        for (auto& [k, surface] : scaled_)
            cairo_surface_destroy(surface);
        scaled_.clear();
    }
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(out);
    cairo_scale(cr, static_cast<double>(width) / cairo_image_surface_get_width(source),
                static_cast<double>(height) / cairo_image_surface_get_height(source));
    cairo_set_source_surface(cr, source, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(out);
    scaled_[key] = out;
    return out;
}

}  // namespace sim
