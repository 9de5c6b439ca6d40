// The renderer: composes what the simulated screen shows at a moment into a picture.
// Over the backdrop go this frame's rectangles in the order they were issued, then its
// texts, then every texture instance whose last draw is still within its display time,
// lower levels first (instances of one level in the order of their texture ids, then
// their indices).
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/sim_host.h"
#include "render/texture_cache.h"

namespace sim {

// Game text scale to the stand-in font's size: a text of scale 1 on a screen h pixels
// high has a font size of h x textSizePerScale pixels (font 1, the script font, is
// smaller at the same scale).
constexpr double textSizePerScale = 0.075;
constexpr double scriptTextSizePerScale = 0.055;

class Renderer {
  public:
    Renderer() = default;
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // The screen as the host's records show it at the host's current tick; the picture
    // belongs to the renderer and is reused by the next call.
    cairo_surface_t* compose();

    // Composes and writes the picture as a PNG file; false with a message on failure.
    bool writePng(const std::string& file, std::string& error);

    // Forgets decoded textures (a test that reuses texture ids for new files).
    void clearTextures() { textures_.clear(); }

    // Decoded texture images held now.
    size_t decodedTextures() const { return textures_.decodedImages(); }

  private:
    void drawRects(cairo_t* cr);
    void drawTexts(cairo_t* cr);
    void drawTextures(cairo_t* cr);
    void drawTexture(cairo_t* cr, const DrawRecord& d);
    cairo_surface_t* tinted(cairo_surface_t* source, float r, float g, float b);

    TextureCache textures_;
    cairo_surface_t* frame_ = nullptr;
    cairo_surface_t* backdrop_ = nullptr;
    cairo_surface_t* scratch_ = nullptr;  // tinted copies
    std::vector<const DrawRecord*> visible_;
};

// The simulator's one renderer.
Renderer& renderer();

}  // namespace sim
