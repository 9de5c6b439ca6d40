// Images planted into a copy of a game folder by the layout tests: boxes of ink at known
// places on a canvas of a chosen size, images scaled about their centre, and the box that
// an image's ink fills, found by a plain scan of its pixels.
#pragma once

#include <filesystem>

namespace planted_images {

struct Box {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // px, ink in x0 <= x < x1, y0 <= y < y1; empty: x1 <= x0
    int width = 0, height = 0;           // px of the image
};

// A transparent canvas with an opaque white box.
void writeBox(const std::filesystem::path& file, int width, int height, int x0, int y0, int x1,
              int y1);

// Redraws the image scaled by factor about its centre on a canvas of its own size.
void scaleAboutCentre(const std::filesystem::path& file, double factor);

// The box of the pixels with at least minimumAlpha.
Box inkBox(const std::filesystem::path& file, int minimumAlpha);

// How far a box reaches from its image's centre to the right and down, in 1/1024 of the
// image's side.
double unitsRight(const Box& b);
double unitsDown(const Box& b);

}  // namespace planted_images
