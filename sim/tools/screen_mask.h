// Screen pixels covered by placed images, for the layout check: how far an image's ink
// reaches on the screen, and bit masks of the pixels it covers, to count where two gauges
// overlap. A screen pixel is covered when its centre falls on an ink pixel of the image as
// the renderer places it; pixels off the screen count like any other.
#pragma once

#include <cstdint>
#include <vector>

#include "render/texture_placement.h"
#include "tools/image_ink.h"

namespace sim {

struct InkExtent {
    double left = 0, top = 0, right = 0, bottom = 0;  // screen px of the outermost ink
};

// The outermost ink corners of an image at a placement.
InkExtent inkExtent(const ImageInk& ink, const TexturePlacement& placement);

class ScreenMask {
  public:
    ScreenMask() = default;
    // A clear mask of the pixels x0 <= x < x1, y0 <= y < y1 (any of them may be off screen).
    ScreenMask(int x0, int y0, int x1, int y1);

    void set(int x, int y);
    bool test(int x, int y) const;
    // Sets every pixel set in other that this mask covers.
    void add(const ScreenMask& other);
    long long count() const;
    bool empty() const { return rows_ == 0; }
    // The pixels it covers: left <= x < right, top <= y < bottom.
    int left() const { return left_; }
    int top() const { return top_; }
    int right() const { return left_ + words_ * 64; }
    int bottom() const { return top_ + rows_; }

    // The pixels set in both.
    friend long long overlap(const ScreenMask& a, const ScreenMask& b);

  private:
    int left_ = 0;   // px of the first column, a multiple of 64
    int top_ = 0;    // px of the first row
    int words_ = 0;  // 64-pixel words a row
    int rows_ = 0;
    std::vector<uint64_t> bits_;
};

// The pixels an image covers at each of its placements (a needle at every angle it turns
// to), in a mask of just their extent.
ScreenMask inkMask(const ImageInk& ink, const std::vector<TexturePlacement>& placements);

}  // namespace sim
