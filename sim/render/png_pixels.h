// The one place a PNG file's pixels are decoded, into the project's own buffer: with
// cairo's loader on Linux, with stb_image on Windows (where cairo does not build). Both give
// the same pixels: premultiplied the way cairo premultiplies, 16-bit channels cut to their
// top byte, grey and palette images expanded, transparency chunks made alpha, and a file
// whose critical chunks fail their checksum refused.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

struct PixelImage {
    int width = 0;   // px; default 0
    int height = 0;  // px; default 0
    // Row by row, width pixels a row: alpha in the top byte, then red, green and blue, each
    // colour multiplied by alpha (cairo's ARGB32 layout); default empty.
    std::vector<uint32_t> pixels;
};

// The pixels of the file, or nullopt when it cannot be decoded or has no pixels. Callers
// check the header's size first (png_file.h, which picks the build's decoder): nothing here
// limits it. stb_image's decoder is built everywhere, cairo's on Linux only, so that a test
// can hold the two against each other.
std::optional<PixelImage> decodePngWithStb(const std::string& path);
std::optional<PixelImage> decodePngWithCairo(const std::string& path);

}  // namespace sim
