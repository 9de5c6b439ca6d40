#include "tools/image_ink.h"

#include <algorithm>
#include <bit>

#include "render/png_file.h"

namespace sim {

namespace {

int64_t cross(const InkCorner& o, const InkCorner& a, const InkCorner& b) {
    return int64_t{a.x - o.x} * (b.y - o.y) - int64_t{a.y - o.y} * (b.x - o.x);
}

// Andrew's monotone chain over the points; the hull without repeated or collinear points.
std::vector<InkCorner> convexHull(std::vector<InkCorner> p) {
    std::sort(p.begin(), p.end(), [](const InkCorner& a, const InkCorner& b) {
        return a.x != b.x ? a.x < b.x : a.y < b.y;
    });
    p.erase(std::unique(
                p.begin(), p.end(),
                [](const InkCorner& a, const InkCorner& b) { return a.x == b.x && a.y == b.y; }),
            p.end());
    if (p.size() < 3) return p;
    std::vector<InkCorner> h(2 * p.size());
    size_t k = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        while (k >= 2 && cross(h[k - 2], h[k - 1], p[i]) <= 0)
            --k;
        h[k++] = p[i];
    }
    for (size_t i = p.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && cross(h[k - 2], h[k - 1], p[i - 1]) <= 0)
            --k;
        h[k++] = p[i - 1];
    }
    h.resize(k - 1);
    return h;
}

// The mask of one row of pixels, 64 to a word; the row's first and last ink pixel (-1 when
// it has none). Every pixel of every image passes here, so the sanitizers, which watch the
// callers' buffers and sizes, leave this one loop over a row they handed in alone.
__attribute__((no_sanitize("address", "undefined"))) void inkOfRow(const uint32_t* row, int width,
                                                                   bool hasAlpha, uint64_t* bits,
                                                                   int& first, int& last) {
    first = last = -1;
    for (int x0 = 0; x0 < width; x0 += 64) {
        const int n = std::min(64, width - x0);
        // Most of a canvas is clear: a run whose alphas are all 0 is passed over at once.
        uint32_t any = 0;
        for (int i = 0; i < n; ++i)
            any |= row[x0 + i];
        if (hasAlpha && (any >> 24) == 0) continue;
        uint64_t word = 0;
        for (int i = 0; i < n; ++i)
            word |= uint64_t{!hasAlpha || static_cast<int>(row[x0 + i] >> 24) >= inkAlphaMin} << i;
        if (word == 0) continue;
        bits[x0 >> 6] = word;
        if (first < 0) first = x0 + std::countr_zero(word);
        last = x0 + 63 - std::countl_zero(word);
    }
}

}  // namespace

ImageInk inkOfPixels(const unsigned char* data, int width, int height, int stride, bool hasAlpha) {
    ImageInk ink;
    ink.width = width;
    ink.height = height;
    ink.wordsPerRow = (width + 63) / 64;
    ink.bits.assign(static_cast<size_t>(ink.wordsPerRow) * static_cast<size_t>(height), 0);
    // The hull of all ink corners is the hull of each row's outermost ones.
    std::vector<InkCorner> outer;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        uint64_t* bits = &ink.bits[static_cast<size_t>(y) * ink.wordsPerRow];
        int first, last;
        inkOfRow(row, width, hasAlpha, bits, first, last);
        for (int w = 0; w < ink.wordsPerRow; ++w)
            ink.inkPixels += std::popcount(bits[w]);
        if (first < 0) continue;
        outer.insert(outer.end(), {{first, y}, {first, y + 1}, {last + 1, y}, {last + 1, y + 1}});
    }
    ink.hull = convexHull(std::move(outer));
    return ink;
}

const ImageInk* InkCache::ink(const std::string& hostPath) {
    const auto known = images_.find(hostPath);
    if (known != images_.end()) return known->second.get();
    std::unique_ptr<ImageInk>& slot = images_[hostPath];
    const DecodedPng png = decodePng(hostPath);
    if (png.outcome == PngOutcome::tooLarge) tooLarge_[hostPath] = sizeText(png.size);
    if (png.outcome != PngOutcome::decoded) return nullptr;
    const PixelImage& image = png.image;
    slot = std::make_unique<ImageInk>(
        inkOfPixels(reinterpret_cast<const unsigned char*>(image.pixels.data()), image.width,
                    image.height, image.width * static_cast<int>(sizeof(uint32_t)), true));
    return slot.get();
}

}  // namespace sim
