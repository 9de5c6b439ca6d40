// Decoded texture images for the renderer: each texture id's PNG file is decoded once,
// the first time it is drawn, and kept together with copies scaled to the pixel sizes
// it is drawn at, so that composing a frame only turns and blends small images.
#pragma once

#include <cairo.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace sim {

class TextureCache {
  public:
    TextureCache() = default;
    ~TextureCache();
    TextureCache(const TextureCache&) = delete;
    TextureCache& operator=(const TextureCache&) = delete;

    // The image of texture id (1-based, as createTexture answered) decoded from hostPath;
    // null when the file is missing or not a readable PNG.
    cairo_surface_t* image(int id, const std::string& hostPath);

    // The image scaled to width x height pixels; null when image() is null.
    cairo_surface_t* scaled(int id, const std::string& hostPath, int width, int height);

    // Forgets every decoded and scaled image.
    void clear();

  private:
    struct Entry {
        bool tried = false;
        cairo_surface_t* image = nullptr;
    };
    std::vector<Entry> images_;                                     // by id - 1
    std::map<std::tuple<int, int, int>, cairo_surface_t*> scaled_;  // by id, width, height
};

}  // namespace sim
