// A small reader of 64-bit Windows images (PE32+): which DLLs an image imports and which
// functions from each (the import directory and the delay-load directory), and the names
// it exports. Reads the file's bytes only; never loads or runs anything. Every offset is
// checked, so a damaged file gives an error, not a crash.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pe {

struct Import {
    std::string name;      // empty when imported by ordinal
    uint16_t ordinal = 0;  // the ordinal, or the hint of a named import
    bool byOrdinal = false;
};

struct ImportedDll {
    std::string name;      // as written in the image, e.g. "KERNEL32.dll"
    bool delayed = false;  // from the delay-load directory
    std::vector<Import> imports;
};

struct Image {
    bool isDll = false;
    uint32_t timeDateStamp = 0;  // the link time the linker stamped, 0 when none
    std::vector<ImportedDll> dlls;
    std::vector<std::string> exports;  // exported names
};

// Reads an image from its bytes; false with a message on anything that is not a
// well-formed PE32+ image.
bool readImage(const std::vector<uint8_t>& bytes, Image& out, std::string& error);
bool readImageFile(const std::string& path, Image& out, std::string& error);

}  // namespace pe
