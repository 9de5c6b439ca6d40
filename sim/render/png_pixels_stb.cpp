// PNG pixels through stb_image (Debian's libstb-dev), the decoder of the Windows build.
// stb_image reads past checksums that libpng refuses, so the chunks are walked first and a
// file is refused as libpng refuses it: a critical chunk whose checksum fails, a chunk cut
// short, no end chunk. Its straight alpha is then premultiplied with cairo's rounding.
#include <fstream>
#include <string_view>

#include "render/png_crc.h"
#include "render/png_pixels.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_FAILURE_STRINGS
#define STBI_NO_THREAD_LOCALS
#include <stb_image.h>

namespace sim {

namespace {

// The largest file read: four times an uncompressed image of the largest side decoded, so
// that a file of gigabytes in an image's place is refused instead of filling the memory.
constexpr std::streamoff fileBytesMax = std::streamoff{256} << 20;

uint32_t bigEndian(std::string_view bytes, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i)
        v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

// Whether every chunk after the signature is whole, every critical one (its type's first
// letter in capitals) passes its checksum, and the end chunk comes.
bool chunksSound(std::string_view file) {
    constexpr size_t signatureBytes = 8;
    size_t at = signatureBytes;
    while (at + 12 <= file.size()) {
        const uint32_t length = bigEndian(file, at);
        if (length > 0x7FFFFFFFu || file.size() - at - 12 < length) return false;
        const std::string_view typed = file.substr(at + 4, 4 + size_t{length});
        const bool critical = (static_cast<unsigned char>(typed[0]) & 0x20) == 0;
        if (critical && pngCrc32(typed) != bigEndian(file, at + 8 + length)) return false;
        if (typed.substr(0, 4) == "IEND") return true;
        at += 12 + size_t{length};
    }
    return false;
}

// cairo's premultiplication: colour times alpha over 255, rounded to nearest.
uint32_t premultiplied(uint32_t colour, uint32_t alpha) {
    const uint32_t t = alpha * colour + 0x80;
    return (t + (t >> 8)) >> 8;
}

}  // namespace

std::optional<PixelImage> decodePngWithStb(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff bytes = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (bytes <= 0 || bytes > fileBytesMax) return std::nullopt;
    std::string file(static_cast<size_t>(bytes), '\0');
    in.seekg(0);
    if (!in.read(file.data(), bytes) || !chunksSound(file)) return std::nullopt;
    int width = 0, height = 0, channels = 0;
    stbi_uc* rgba =
        stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(file.data()),
                              static_cast<int>(file.size()), &width, &height, &channels, 4);
    if (!rgba) return std::nullopt;
    PixelImage image;
    if (width > 0 && height > 0) {
        image.width = width;
        image.height = height;
        image.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
        for (size_t i = 0; i < image.pixels.size(); ++i) {
            const stbi_uc* p = rgba + 4 * i;
            const uint32_t a = p[3];
            uint32_t r = p[0], g = p[1], b = p[2];
            if (a == 0) {
                r = g = b = 0;
            } else if (a != 0xFF) {
                r = premultiplied(r, a);
                g = premultiplied(g, a);
                b = premultiplied(b, a);
            }
            image.pixels[i] = (a << 24) | (r << 16) | (g << 8) | b;
        }
    }
    stbi_image_free(rgba);
    if (image.pixels.empty()) return std::nullopt;
    return image;
}

}  // namespace sim
