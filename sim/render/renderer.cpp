#include "render/renderer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "render/backdrop.h"
#include "render/cairo_placement.h"
#include "render/texture_placement.h"

namespace sim {

namespace {

double clamp01(double v) {
    return v > 0 ? (v < 1 ? v : 1) : 0;
}  // NaN gives 0

bool finite(std::initializer_list<float> values) {
    for (float v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// The stand-in for a game font: 1 is the script font, every other number the plain one.
void selectFont(cairo_t* cr, int font, double scale, int screenHeight) {
    if (font == 1) {
        cairo_select_font_face(cr, "DejaVu Serif", CAIRO_FONT_SLANT_ITALIC,
                               CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr, scale * screenHeight * scriptTextSizePerScale);
    } else {
        cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                               CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr, scale * screenHeight * textSizePerScale);
    }
}

void setRgba(cairo_t* cr, const int rgba[4]) {
    cairo_set_source_rgba(cr, clamp01(rgba[0] / 255.0), clamp01(rgba[1] / 255.0),
                          clamp01(rgba[2] / 255.0), clamp01(rgba[3] / 255.0));
}

}  // namespace

Renderer& renderer() {
    static Renderer instance;
    return instance;
}

Renderer::~Renderer() {
    if (frame_) cairo_surface_destroy(frame_);
    if (backdrop_) cairo_surface_destroy(backdrop_);
    if (scratch_) cairo_surface_destroy(scratch_);
}

cairo_surface_t* Renderer::compose() {
    const int w = std::max(1, host.screenWidth), h = std::max(1, host.screenHeight);
    if (!frame_ || cairo_image_surface_get_width(frame_) != w ||
        cairo_image_surface_get_height(frame_) != h) {
        if (frame_) cairo_surface_destroy(frame_);
        if (backdrop_) cairo_surface_destroy(backdrop_);
        frame_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
        backdrop_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
        cairo_t* b = cairo_create(backdrop_);
        drawBackdrop(b, w, h);
        cairo_destroy(b);
    }
    cairo_t* cr = cairo_create(frame_);
    cairo_set_source_surface(cr, backdrop_, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    drawRects(cr);
    drawTexts(cr);
    drawTextures(cr);
    cairo_destroy(cr);
    cairo_surface_flush(frame_);
    return frame_;
}

bool Renderer::writePng(const std::string& file, std::string& error) {
    cairo_surface_t* picture = compose();
    const cairo_status_t status = cairo_surface_write_to_png(picture, file.c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
        error = "cannot write " + file + ": " + cairo_status_to_string(status);
        return false;
    }
    return true;
}

void Renderer::drawRects(cairo_t* cr) {
    const double w = cairo_image_surface_get_width(frame_);
    const double h = cairo_image_surface_get_height(frame_);
    for (const RectRecord& r : host.frameRects) {
        if (!finite({r.x, r.y, r.w, r.h})) continue;
        setRgba(cr, r.rgba);
        cairo_rectangle(cr, (r.x - r.w / 2) * w, (r.y - r.h / 2) * h, r.w * w, r.h * h);
        cairo_fill(cr);
    }
}

void Renderer::drawTexts(cairo_t* cr) {
    const double w = cairo_image_surface_get_width(frame_);
    const int h = cairo_image_surface_get_height(frame_);
    for (const TextRecord& t : host.frameTexts) {
        if (!finite({t.x, t.y, t.scale}) || t.scale <= 0 || t.text.empty()) continue;
        selectFont(cr, t.font, t.scale, h);
        cairo_font_extents_t font;
        cairo_font_extents(cr, &font);
        cairo_text_extents_t extents;
        cairo_text_extents(cr, t.text.c_str(), &extents);
        // The game places a text by the top of its line, and by its middle when centred.
        double x = t.x * w;
        if (t.centre) x -= extents.x_advance / 2;
        setRgba(cr, t.rgba);
        cairo_move_to(cr, x, t.y * h + font.ascent);
        cairo_show_text(cr, t.text.c_str());
    }
}

void Renderer::drawTextures(cairo_t* cr) {
    visible_.clear();
    for (const auto& [key, d] : host.draws) {
        // Shown while younger than its display time; the tick count may wrap.
        if (d.time > 0 && host.tick - d.tick < static_cast<uint32_t>(d.time))
            visible_.push_back(&d);
    }
    // The draws are kept by id and index, so a stable sort by level keeps that order
    // within a level.
    std::stable_sort(visible_.begin(), visible_.end(),
                     [](const DrawRecord* a, const DrawRecord* b) { return a->level < b->level; });
    for (const DrawRecord* d : visible_)
        drawTexture(cr, *d);
    textures_.endPicture();
}

void Renderer::drawTexture(cairo_t* cr, const DrawRecord& d) {
    const TextureEntry* texture = findTexture(d.id);
    if (!texture) return;
    const std::optional<TexturePlacement> placed = placeTexture(
        d, cairo_image_surface_get_width(frame_), cairo_image_surface_get_height(frame_));
    if (!placed) return;
    const std::string path = hostPath(texture->path());
    cairo_surface_t* image = textures_.scaled(d.id, path, placed->pixelWidth, placed->pixelHeight);
    if (!image) return;
    if (d.r != 1.0f || d.g != 1.0f || d.b != 1.0f) image = tinted(image, d.r, d.g, d.b);

    cairo_save(cr);
    applyPlacement(cr, *placed);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_paint_with_alpha(cr, placed->alpha);
    cairo_restore(cr);
}

cairo_surface_t* Renderer::tinted(cairo_surface_t* source, float r, float g, float b) {
    const int w = cairo_image_surface_get_width(source);
    const int h = cairo_image_surface_get_height(source);
    if (!scratch_ || cairo_image_surface_get_width(scratch_) != w ||
        cairo_image_surface_get_height(scratch_) != h) {
        if (scratch_) cairo_surface_destroy(scratch_);
        scratch_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    }
    cairo_surface_flush(scratch_);
    // Premultiplied pixels: scaling the colour channels alone multiplies the colour in.
    const auto factor = [](float v) { return static_cast<uint32_t>(clamp01(v) * 256.0 + 0.5); };
    const uint32_t fr = factor(r), fg = factor(g), fb = factor(b);
    const int stride = cairo_image_surface_get_stride(source);
    const unsigned char* in = cairo_image_surface_get_data(source);
    unsigned char* out = cairo_image_surface_get_data(scratch_);
    for (int y = 0; y < h; ++y) {
        const auto* src = reinterpret_cast<const uint32_t*>(in + y * stride);
        auto* dst = reinterpret_cast<uint32_t*>(out + y * stride);
        for (int x = 0; x < w; ++x) {
            const uint32_t p = src[x];
            const uint32_t cr = (((p >> 16) & 0xFF) * fr) >> 8;
            const uint32_t cg = (((p >> 8) & 0xFF) * fg) >> 8;
            const uint32_t cb = ((p & 0xFF) * fb) >> 8;
            dst[x] = (p & 0xFF000000u) | (cr << 16) | (cg << 8) | cb;
        }
    }
    cairo_surface_mark_dirty(scratch_);
    return scratch_;
}

}  // namespace sim
