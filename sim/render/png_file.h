// PNG files as the simulator decodes them: the renderer's textures, the layout check's ink
// and the dial picture's images all come through here, with the build's decoder
// (png_pixels.h). The size a file's header claims is read first, so that an image larger
// than imageSideMax a side is never decoded: a header of 20000 x 20000 would otherwise cost
// 1.6 GB and seconds of decoding for each reader.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "render/png_pixels.h"

namespace sim {

// Images wider or higher than this many pixels are left out, as unreadable ones are.
constexpr int imageSideMax = 4096;

struct PngSize {
    uint32_t width = 0;   // px, as the header gives it; default 0
    uint32_t height = 0;  // px, as the header gives it; default 0
};

// The size a PNG file's header gives, read before anything is decoded; nullopt when the
// file is no regular file that can be read, or does not start like a PNG image.
std::optional<PngSize> readPngSize(const std::string& path);

// "W x H".
std::string sizeText(const PngSize& size);

enum class PngOutcome {
    decoded,
    unreadable,  // missing, no regular file, not a PNG image, cut short, no pixels
    tooLarge,    // wider or higher than imageSideMax: not decoded
};

struct DecodedPng {
    PixelImage image;                             // the pixels; empty unless decoded
    PngOutcome outcome = PngOutcome::unreadable;  // default: unreadable
    PngSize size;  // the header's size when it could be read; default 0 x 0
};

// Decodes the file when its header allows it; a FIFO in its place is never waited for.
DecodedPng decodePng(const std::string& path);

}  // namespace sim
