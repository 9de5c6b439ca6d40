// Where one texture draw lands on the screen, in pixels: its size (x times the screen
// width; y times the screen height times the aspect factor), its pivot inside the image,
// the pivot's position on the screen and its rotation. The renderer paints every draw with
// it, and the layout check measures the images with it, so the two cannot disagree
// (cairo_placement.h sets a cairo context to it).
#pragma once

#include <optional>

#include "host/sim_host.h"

namespace sim {

struct TexturePlacement {
    double width = 0, height = 0;         // px on screen of the whole image
    double centerX = 0, centerY = 0;      // pivot inside the image, 0..1 of its width and height
    double x = 0, y = 0;                  // px of the pivot on the screen
    double turns = 0;                     // rotation about the pivot, clockwise on screen
    double alpha = 0;                     // 0..1, the draw's alpha clamped
    int pixelWidth = 1, pixelHeight = 1;  // px of the scaled copy the renderer paints: width
                                          // and height rounded up
};

struct ScreenPixelPoint {
    double x = 0, y = 0;  // px, y downwards
};

// The draw's placement on a screen of that size, or nullopt when it shows nothing: alpha
// at or below 0, a value that is not finite, no area, or larger than 8 screens.
std::optional<TexturePlacement> placeTexture(const DrawRecord& draw, int screenWidth,
                                             int screenHeight);

// The screen point of a point of the image given as fractions (0..1) of its width and
// height: (0, 0) is the image's top-left corner, (1, 1) its bottom-right one.
ScreenPixelPoint imageToScreen(const TexturePlacement& p, double u, double v);

// The image point (fractions of its width and height) that lands on a screen point.
ScreenPixelPoint screenToImage(const TexturePlacement& p, double x, double y);

}  // namespace sim
