#include "support/huge_png.h"

#include <fstream>
#include <string>
#include <vector>

#include "render/png_crc.h"

namespace huge_png {

namespace {

void big(std::string& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((v >> shift) & 0xFF);
}

void chunk(std::ofstream& out, const char* type, const std::string& data) {
    std::string typed = type;
    typed += data;
    std::string head;
    big(head, static_cast<uint32_t>(data.size()));
    std::string tail;
    big(tail, sim::pngCrc32(typed));
    out << head << typed << tail;
}

// Deflate's bits, least significant first; Huffman codes go in from their top bit.
struct Bits {
    std::string bytes;
    int used = 8;  // bits of the last byte in use
    void put(uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            if (used == 8) {
                bytes += '\0';
                used = 0;
            }
            if ((value >> i) & 1) bytes.back() = static_cast<char>(bytes.back() | (1 << used));
            ++used;
        }
    }
    void code(uint32_t value, int count) {
        for (int i = count - 1; i >= 0; --i)
            put((value >> i) & 1, 1);
    }
};

}  // namespace

void write(const std::filesystem::path& file, uint32_t width, uint32_t height) {
    // The rows are all zeros: filter byte 0, then black pixels.
    const uint64_t raw = uint64_t{height} * (uint64_t{width} + 1);
    Bits d;
    d.put(1, 1);      // the last block
    d.put(1, 2);      // fixed Huffman codes
    d.code(0x30, 8);  // the literal 0
    uint64_t left = raw - 1;
    for (; left >= 258; left -= 258) {
        d.code(0xC5, 8);  // length 258 (code 285)
        d.code(0, 5);     // distance 1
    }
    for (; left > 0; --left)
        d.code(0x30, 8);
    d.code(0, 7);  // end of block

    std::string idat = "\x78\x01";
    idat += d.bytes;
    big(idat, static_cast<uint32_t>((raw % 65521) << 16 | 1));  // Adler-32 of the zeros

    std::string header;
    big(header, width);
    big(header, height);
    header += std::string("\x08\x00\x00\x00\x00", 5);  // 8 bits of grey, no interlace
    std::ofstream out(file, std::ios::binary);
    out << "\x89PNG\r\n\x1a\n";
    chunk(out, "IHDR", header);
    chunk(out, "IDAT", idat);
    chunk(out, "IEND", "");
}

}  // namespace huge_png
