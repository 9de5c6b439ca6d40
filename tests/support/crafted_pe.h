// Builds small 64-bit Windows images (PE32+) in memory, with the imports and exports a
// test asks for, to exercise the image reader and the import policy on known files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace crafted_pe {

struct Dll {
    std::string name;
    std::vector<std::string> functions;  // imported by name
    std::vector<uint16_t> ordinals;      // imported by ordinal
    bool delayed = false;                // listed in the delay-load directory
};

struct Contents {
    std::vector<Dll> dlls;
    std::vector<std::string> exports;
    bool dll = true;
    uint32_t timeDateStamp = 0;
};

// The image's bytes: headers, then one section holding the import, delay-load and export
// tables.
std::vector<uint8_t> build(const Contents& contents);

// Offsets into a built image, for tests that damage it on purpose.
constexpr size_t peHeaderOffset = 0x80;
constexpr size_t optionalHeaderOffset = peHeaderOffset + 24;
constexpr size_t sectionHeaderOffset = optionalHeaderOffset + 240;
constexpr size_t sectionFileOffset = 0x400;
constexpr uint32_t sectionAddress = 0x1000;

}  // namespace crafted_pe
