// The ink of an image for the layout check: which of its pixels a player sees. A pixel is
// ink when its alpha is at least inkAlphaMin (10 percent); fainter pixels, the soft edge
// of a glow or a shadow, do not count. Each file is decoded once per check and kept as a
// bit mask with the convex hull of its ink, which is all it takes to know how far the image
// reaches however it is turned.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace sim {

// 26 of 255: the least alpha of an ink pixel.
constexpr int inkAlphaMin = 26;

struct InkCorner {
    int x = 0, y = 0;  // image px, corners of pixels: 0..width, 0..height
};

struct ImageInk {
    int width = 0, height = 0;    // px of the image
    int wordsPerRow = 0;          // 64-bit words of the mask per image row
    std::vector<uint64_t> bits;   // row by row; pixel x of a row is bit x % 64 of word x / 64
    std::vector<InkCorner> hull;  // convex hull of the ink pixels' corners; empty: no ink
    long long inkPixels = 0;      // ink pixels in the image

    bool ink(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height &&
               ((bits[static_cast<size_t>(y) * wordsPerRow + static_cast<size_t>(x >> 6)] >>
                 (x & 63)) &
                1u);
    }
};

// Builds the ink of premultiplied 32-bit pixels (png_pixels.h; alpha in the top byte),
// or of pixels without alpha (every pixel ink) when hasAlpha is false.
ImageInk inkOfPixels(const unsigned char* data, int width, int height, int stride, bool hasAlpha);

class InkCache {
  public:
    // The ink of a PNG file, decoded the first time it is asked for; null when the file is
    // missing, not a readable PNG image, or larger than imageSideMax (then tooLarge tells).
    const ImageInk* ink(const std::string& hostPath);

    // The files left out for their size, with "W x H" of each.
    const std::map<std::string, std::string>& tooLarge() const { return tooLarge_; }

  private:
    std::map<std::string, std::unique_ptr<ImageInk>> images_;  // null: could not be read
    std::map<std::string, std::string> tooLarge_;
};

}  // namespace sim
