// A PNG image of a size no image should have, made without ever holding its pixels: a black
// grey-scale picture whose compressed rows are written straight out, so that a file of
// 20000 x 20000 px (1.6 GB once decoded by cairo) takes a few megabytes and a moment.
#pragma once

#include <cstdint>
#include <filesystem>

namespace huge_png {

// Writes an opaque black 8-bit grey-scale PNG of width x height px that decodes in full.
void write(const std::filesystem::path& file, uint32_t width, uint32_t height);

}  // namespace huge_png
