#include "render/texture_cache.h"

#include <fstream>
#include <set>
#include <string_view>
#include <vector>

#include "render/pixel_surface.h"
#include "render/png_file.h"
#include "sim_files.h"

namespace sim {

namespace {

// Scaled copies kept before the cache starts them over (a scenario that keeps resizing
// the HUD would otherwise grow them without end).
constexpr size_t scaledLimit = 512;

}  // namespace

TextureCache::Decoded::~Decoded() {
    if (image) cairo_surface_destroy(image);
    for (auto& [size, surface] : scaled)
        cairo_surface_destroy(surface);
}

void TextureCache::clear() {
    ids_.clear();
    files_.clear();
    scaledMade_ = 0;
}

template <class F>
void TextureCache::eachDecoded(F f) const {
    std::set<const Decoded*> seen;  // the shared images are met once each
    for (const auto& [path, decoded] : files_)
        if (seen.insert(decoded.get()).second) f(*decoded);
    for (const auto& [id, held] : ids_)
        if (seen.insert(held.decoded.get()).second) f(*held.decoded);
}

size_t TextureCache::decodedImages() const {
    size_t n = 0;
    eachDecoded([&](const Decoded& d) { n += d.image ? 1 : 0; });
    return n;
}

void TextureCache::endPicture() {
    for (auto it = ids_.begin(); it != ids_.end();) {
        if (it->second.drawn) {
            it->second.drawn = false;
            ++it;
        } else {
            it = ids_.erase(it);
        }
    }
}

std::shared_ptr<TextureCache::Decoded> TextureCache::lookUp(const std::string& hostPath) {
    // What the file holds now: its bytes, read in pieces (a regular file only, so that a
    // FIFO in its place is never waited for).
    std::optional<Fingerprint> print;
    if (isReadableFile(hostPath)) {
        std::ifstream in(hostPath, std::ios::binary);
        std::vector<char> piece(size_t{1} << 16);
        Fingerprint p;
        while (in) {
            in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
            const auto n = static_cast<size_t>(in.gcount());
            if (n == 0) break;
            p.bytes += n;
            p.hash = (p.hash ^ std::hash<std::string_view>{}({piece.data(), n})) * 0x100000001B3ull;
        }
        if (!in.bad()) print = p;
    }
    auto known = files_.find(hostPath);
    if (print && known != files_.end() && known->second->print == print) return known->second;

    const DecodedPng png = decodePng(hostPath);
    auto decoded = std::make_shared<Decoded>(surfaceOfPixels(png.image));
    decoded->print = print;
    if (print)
        files_[hostPath] = decoded;
    else if (known != files_.end())
        files_.erase(known);
    return decoded;
}

void TextureCache::makeRoomForScaledCopy() {
    if (++scaledMade_ < scaledLimit) return;
    size_t live = 0;
    eachDecoded([&](const Decoded& d) { live += d.scaled.size(); });
    if (live + 1 >= scaledLimit) {
        eachDecoded([](Decoded& d) {
            for (auto& [size, surface] : d.scaled)
                cairo_surface_destroy(surface);
            d.scaled.clear();
        });
        live = 0;
    }
    scaledMade_ = live + 1;
}

cairo_surface_t* TextureCache::scaled(int id, const std::string& hostPath, int width, int height) {
    auto held = ids_.find(id);
    if (held == ids_.end() || held->second.hostPath != hostPath)
        held = ids_.insert_or_assign(id, Held{hostPath, lookUp(hostPath), false}).first;
    held->second.drawn = true;
    Decoded& decoded = *held->second.decoded;
    cairo_surface_t* source = decoded.image;
    if (!source) return nullptr;
    const auto key = std::make_pair(width, height);
    if (auto it = decoded.scaled.find(key); it != decoded.scaled.end()) return it->second;
    makeRoomForScaledCopy();
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
    decoded.scaled[key] = out;
    return out;
}

}  // namespace sim
