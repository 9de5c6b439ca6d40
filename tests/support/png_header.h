// The size a PNG file declares in its header, read without decoding the image.
#pragma once

#include <cstdint>
#include <string>

namespace png_header {

struct Size {
    bool valid = false;  // a PNG signature followed by its header chunk
    uint32_t width = 0, height = 0;
};

Size read(const std::string& file);

}  // namespace png_header
