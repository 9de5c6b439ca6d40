#include "tools/screen_mask.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace sim {

namespace {

int floorDiv64(int v) {
    return v >= 0 ? v / 64 : -((-v + 63) / 64);
}

// The hull's corners where the placement puts them: imageToScreen with its turn worked
// out once (the first corner goes through imageToScreen itself, the rest by the same
// linear map).
std::vector<ScreenPixelPoint> hullOnScreen(const ImageInk& ink, const TexturePlacement& p) {
    std::vector<ScreenPixelPoint> out;
    out.reserve(ink.hull.size());
    const ScreenPixelPoint o = imageToScreen(p, 0, 0);
    const ScreenPixelPoint ex = imageToScreen(p, 1, 0), ey = imageToScreen(p, 0, 1);
    const double ux = (ex.x - o.x) / ink.width, uy = (ex.y - o.y) / ink.width;
    const double vx = (ey.x - o.x) / ink.height, vy = (ey.y - o.y) / ink.height;
    for (const InkCorner& c : ink.hull)
        out.push_back({o.x + c.x * ux + c.y * vx, o.y + c.x * uy + c.y * vy});
    return out;
}

// Sets the pixels whose centres lie inside the image's hull on screen and on an ink pixel:
// row by row over the hull's span in that row.
void paint(ScreenMask& mask, const ImageInk& ink, const TexturePlacement& p) {
    const std::vector<ScreenPixelPoint> hull = hullOnScreen(ink, p);
    if (hull.size() < 3) return;
    double top = std::numeric_limits<double>::max(), bottom = -top;
    for (const ScreenPixelPoint& h : hull) {
        top = std::min(top, h.y);
        bottom = std::max(bottom, h.y);
    }
    // The image point of a screen point moves by a fixed step per pixel to the right.
    const ScreenPixelPoint origin = screenToImage(p, 0, 0);
    const ScreenPixelPoint stepX = screenToImage(p, 1, 0);
    const double du = (stepX.x - origin.x) * ink.width, dv = (stepX.y - origin.y) * ink.height;
    for (int y = static_cast<int>(std::ceil(top - 0.5)); y + 0.5 <= bottom; ++y) {
        const double yc = y + 0.5;
        double from = std::numeric_limits<double>::max(), to = -from;
        for (size_t i = 0; i < hull.size(); ++i) {
            const ScreenPixelPoint& a = hull[i];
            const ScreenPixelPoint& b = hull[(i + 1) % hull.size()];
            if ((a.y <= yc) == (b.y <= yc)) continue;
            const double x = a.x + (yc - a.y) * (b.x - a.x) / (b.y - a.y);
            from = std::min(from, x);
            to = std::max(to, x);
        }
        if (from > to) continue;
        const int x0 = static_cast<int>(std::ceil(from - 0.5));
        const ScreenPixelPoint start = screenToImage(p, x0 + 0.5, yc);
        double u = start.x * ink.width, v = start.y * ink.height;
        for (int x = x0; x + 0.5 <= to; ++x, u += du, v += dv)
            if (ink.ink(static_cast<int>(std::floor(u)), static_cast<int>(std::floor(v))))
                mask.set(x, y);
    }
}

}  // namespace

InkExtent inkExtent(const ImageInk& ink, const TexturePlacement& p) {
    InkExtent e{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
                -std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()};
    for (const ScreenPixelPoint& h : hullOnScreen(ink, p)) {
        e.left = std::min(e.left, h.x);
        e.top = std::min(e.top, h.y);
        e.right = std::max(e.right, h.x);
        e.bottom = std::max(e.bottom, h.y);
    }
    return e;
}

ScreenMask::ScreenMask(int x0, int y0, int x1, int y1) {
    if (x1 <= x0 || y1 <= y0) return;
    left_ = floorDiv64(x0) * 64;
    top_ = y0;
    words_ = floorDiv64(x1 - 1) - floorDiv64(x0) + 1;
    rows_ = y1 - y0;
    bits_.assign(static_cast<size_t>(words_) * static_cast<size_t>(rows_), 0);
}

void ScreenMask::set(int x, int y) {
    const int col = x - left_, row = y - top_;
    if (col < 0 || row < 0 || col >= words_ * 64 || row >= rows_) return;
    bits_[static_cast<size_t>(row) * words_ + static_cast<size_t>(col >> 6)] |= uint64_t{1}
                                                                                << (col & 63);
}

bool ScreenMask::test(int x, int y) const {
    const int col = x - left_, row = y - top_;
    if (col < 0 || row < 0 || col >= words_ * 64 || row >= rows_) return false;
    return (bits_[static_cast<size_t>(row) * words_ + static_cast<size_t>(col >> 6)] >>
            (col & 63)) &
           1u;
}

void ScreenMask::add(const ScreenMask& o) {
    // Both are aligned to 64-pixel words, so rows combine word by word.
    const int x0 = std::max(left_, o.left_);
    const int x1 = std::min(left_ + words_ * 64, o.left_ + o.words_ * 64);
    const int r0 = std::max(top_, o.top_), r1 = std::min(top_ + rows_, o.top_ + o.rows_);
    for (int y = r0; y < r1; ++y)
        for (int x = x0; x < x1; x += 64)
            bits_[static_cast<size_t>(y - top_) * words_ + static_cast<size_t>((x - left_) / 64)] |=
                o.bits_[static_cast<size_t>(y - o.top_) * o.words_ +
                        static_cast<size_t>((x - o.left_) / 64)];
}

long long ScreenMask::count() const {
    long long n = 0;
    for (uint64_t w : bits_)
        n += std::popcount(w);
    return n;
}

long long overlap(const ScreenMask& a, const ScreenMask& b) {
    const int x0 = std::max(a.left_, b.left_);
    const int x1 = std::min(a.left_ + a.words_ * 64, b.left_ + b.words_ * 64);
    const int r0 = std::max(a.top_, b.top_), r1 = std::min(a.top_ + a.rows_, b.top_ + b.rows_);
    long long n = 0;
    for (int y = r0; y < r1; ++y)
        for (int x = x0; x < x1; x += 64)
            n += std::popcount(a.bits_[static_cast<size_t>(y - a.top_) * a.words_ +
                                       static_cast<size_t>((x - a.left_) / 64)] &
                               b.bits_[static_cast<size_t>(y - b.top_) * b.words_ +
                                       static_cast<size_t>((x - b.left_) / 64)]);
    return n;
}

ScreenMask inkMask(const ImageInk& ink, const std::vector<TexturePlacement>& placements) {
    if (ink.hull.empty() || placements.empty()) return {};
    InkExtent all = inkExtent(ink, placements.front());
    for (const TexturePlacement& p : placements) {
        const InkExtent e = inkExtent(ink, p);
        all = {std::min(all.left, e.left), std::min(all.top, e.top), std::max(all.right, e.right),
               std::max(all.bottom, e.bottom)};
    }
    ScreenMask mask(static_cast<int>(std::floor(all.left)), static_cast<int>(std::floor(all.top)),
                    static_cast<int>(std::ceil(all.right)) + 1,
                    static_cast<int>(std::ceil(all.bottom)) + 1);
    for (const TexturePlacement& p : placements)
        paint(mask, ink, p);
    return mask;
}

}  // namespace sim
