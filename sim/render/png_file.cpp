#include "render/png_file.h"

#include <algorithm>
#include <fstream>

#include "sim_files.h"

namespace sim {

std::optional<PngSize> readPngSize(const std::string& path) {
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    // Only a regular file is opened: a FIFO in place of an image would wait for ever.
    if (!isReadableFile(path)) return std::nullopt;
    unsigned char head[24] = {};
    std::ifstream in(path, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(head), sizeof head)) return std::nullopt;
    if (!std::equal(signature, signature + 8, head) || !std::equal(head + 12, head + 16, "IHDR"))
        return std::nullopt;
    auto big = [&](int at) {
        return (uint32_t{head[at]} << 24) | (uint32_t{head[at + 1]} << 16) |
               (uint32_t{head[at + 2]} << 8) | uint32_t{head[at + 3]};
    };
    return PngSize{big(16), big(20)};
}

std::string sizeText(const PngSize& size) {
    return std::to_string(size.width) + " x " + std::to_string(size.height);
}

DecodedPng decodePng(const std::string& path) {
    DecodedPng out;
    const std::optional<PngSize> size = readPngSize(path);
    if (!size) return out;
    out.size = *size;
    constexpr auto sideMax = static_cast<uint32_t>(imageSideMax);
    if (size->width > sideMax || size->height > sideMax) {
        out.outcome = PngOutcome::tooLarge;
        return out;
    }
#ifdef _WIN32
    std::optional<PixelImage> image = decodePngWithStb(path);
#else
    std::optional<PixelImage> image = decodePngWithCairo(path);
#endif
    if (image) {
        out.image = std::move(*image);
        out.outcome = PngOutcome::decoded;
    }
    return out;
}

}  // namespace sim
