// The checksum that closes every PNG chunk: CRC-32 (the polynomial of zlib and PNG) over
// the chunk's type and data. The Windows decoder checks it (png_pixels_stb.cpp), and tests
// that write PNG files of their own sign their chunks with it.
#pragma once

#include <cstdint>
#include <string_view>

namespace sim {

uint32_t pngCrc32(std::string_view bytes);

}  // namespace sim
