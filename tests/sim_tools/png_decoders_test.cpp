// The two PNG decoders, stb_image's (VelquistCheck.exe) and cairo's (the Linux build), give
// the same pixels for every image of the default skin and for every kind of PNG file a
// skin maker's program may write (grey, low bit depths, palettes with transparency, 16-bit
// channels, interlacing), and refuse the same damaged files, so that the check finds the
// same ink and the same unreadable images on both systems.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "render/png_pixels.h"
#include "support/temp_files.h"

namespace fs = std::filesystem;

namespace {

// Pixels as equal as a test can tell: the first difference, or "" when there is none.
std::string difference(const std::optional<sim::PixelImage>& stb,
                       const std::optional<sim::PixelImage>& cairo) {
    if (!stb || !cairo)
        return stb || cairo ? std::string("only ") + (stb ? "stb" : "cairo") + " decodes it" : "";
    if (stb->width != cairo->width || stb->height != cairo->height) return "sizes differ";
    for (size_t i = 0; i < stb->pixels.size(); ++i)
        if (stb->pixels[i] != cairo->pixels[i]) {
            char text[96];
            std::snprintf(text, sizeof text, "pixel %zu: stb %08X, cairo %08X", i, stb->pixels[i],
                          cairo->pixels[i]);
            return text;
        }
    return "";
}

std::string differenceOf(const fs::path& file) {
    return difference(sim::decodePngWithStb(file.string()), sim::decodePngWithCairo(file.string()));
}

struct Kind {
    const char* name;
    int colourType;
    int bitDepth;
    bool interlaced;
    bool transparency;  // a tRNS chunk
};

// Writes a 37 x 23 image of the kind with libpng, its bytes made up from a fixed seed.
void writeKind(const fs::path& file, const Kind& k) {
    constexpr int w = 37, h = 23;
    FILE* f = std::fopen(file.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, f);
    png_set_IHDR(png, info, w, h, k.bitDepth, k.colourType,
                 k.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    uint32_t seed = 12345;
    auto next = [&] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<png_byte>(seed >> 16);
    };
    const int entries = 1 << std::min(k.bitDepth, 8);
    std::vector<png_color> palette(static_cast<size_t>(entries));
    std::vector<png_byte> alphas(static_cast<size_t>(entries));
    if (k.colourType == PNG_COLOR_TYPE_PALETTE) {
        for (png_color& c : palette)
            c = {next(), next(), next()};
        png_set_PLTE(png, info, palette.data(), entries);
    }
    png_color_16 key{};
    if (k.transparency) {
        if (k.colourType == PNG_COLOR_TYPE_PALETTE) {
            for (png_byte& a : alphas)
                a = next();
            alphas[0] = 0;
            alphas[1] = 255;
            png_set_tRNS(png, info, alphas.data(), entries, nullptr);
        } else {
            key.gray = key.red = key.green = key.blue = 0;
            png_set_tRNS(png, info, nullptr, 0, &key);
        }
    }
    png_write_info(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    std::vector<std::vector<png_byte>> rows(h, std::vector<png_byte>(rowBytes));
    for (auto& row : rows)
        for (png_byte& b : row)
            b = next() & (next() & 1 ? 0xFF : 0x0F);  // many zeros, so the key colour shows
    std::vector<png_bytep> pointers;
    for (auto& row : rows)
        pointers.push_back(row.data());
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
}

TEST(PngDecoders, EveryImageOfTheDefaultSkinDecodesAlike) {
    int images = 0;
    for (const auto& entry : fs::recursive_directory_iterator(VELQUIST_SKIN_FOLDER)) {
        if (entry.path().extension() != ".png") continue;
        EXPECT_EQ(differenceOf(entry.path()), "") << entry.path();
        ASSERT_TRUE(sim::decodePngWithStb(entry.path().string())) << entry.path();
        ++images;
    }
    EXPECT_GT(images, 0);  // the skin was drawn
}

TEST(PngDecoders, EveryKindOfPngDecodesAlike) {
    const Kind kinds[] = {
        {"grey 8", PNG_COLOR_TYPE_GRAY, 8, false, false},
        {"grey 1", PNG_COLOR_TYPE_GRAY, 1, false, false},
        {"grey 4 with a key", PNG_COLOR_TYPE_GRAY, 4, false, true},
        {"grey 16 with a key", PNG_COLOR_TYPE_GRAY, 16, false, true},
        {"grey and alpha", PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, false},
        {"grey and alpha 16", PNG_COLOR_TYPE_GRAY_ALPHA, 16, false, false},
        {"rgb with a key", PNG_COLOR_TYPE_RGB, 8, false, true},
        {"rgb 16", PNG_COLOR_TYPE_RGB, 16, false, false},
        {"rgba", PNG_COLOR_TYPE_RGBA, 8, false, false},
        {"rgba 16", PNG_COLOR_TYPE_RGBA, 16, false, false},
        {"rgba interlaced", PNG_COLOR_TYPE_RGBA, 8, true, false},
        {"palette 8 with alphas", PNG_COLOR_TYPE_PALETTE, 8, false, true},
        {"palette 2 with alphas, interlaced", PNG_COLOR_TYPE_PALETTE, 2, true, true},
    };
    temp_files::Folder folder;
    for (const Kind& k : kinds) {
        const fs::path file = folder.path() / "image.png";
        writeKind(file, k);
        EXPECT_EQ(differenceOf(file), "") << k.name;
        EXPECT_TRUE(sim::decodePngWithStb(file.string())) << k.name;
    }
}

// The byte offset of a chunk's type in a PNG file's bytes.
size_t chunkAt(const std::string& bytes, const char* type) {
    return bytes.find(type);
}

TEST(PngDecoders, DamagedFilesAreRefusedAlike) {
    temp_files::Folder folder;
    const fs::path good = folder.path() / "good.png";
    writeKind(good, {"rgba", PNG_COLOR_TYPE_RGBA, 8, false, false});
    const std::string bytes = temp_files::readFile(good);
    const size_t idat = chunkAt(bytes, "IDAT"), iend = chunkAt(bytes, "IEND");
    ASSERT_NE(idat, std::string::npos);
    ASSERT_NE(iend, std::string::npos);
    // An ancillary chunk with a wrong checksum, before the pixels: libpng passes over it.
    std::string text = bytes;
    text.insert(idat - 4, std::string("\0\0\0\x04tEXta=bc\0\0\0\0", 16));

    std::string idatChecksum = bytes;
    idatChecksum[iend - 5] = static_cast<char>(idatChecksum[iend - 5] ^ 0x01);
    std::string idatByte = bytes;
    idatByte[idat + 10] = static_cast<char>(idatByte[idat + 10] ^ 0x40);
    const struct {
        const char* name;
        std::string bytes;
        bool decodes;
    } cases[] = {
        {"an ancillary chunk's checksum wrong", text, true},
        {"the pixels' checksum wrong", idatChecksum, false},
        {"a byte of the pixels changed", idatByte, false},
        {"no end chunk", bytes.substr(0, iend - 4), false},
        {"cut in the pixels", bytes.substr(0, idat + 20), false},
        {"the signature alone", bytes.substr(0, 8), false},
        {"no image at all", "not a picture", false},
    };
    for (const auto& c : cases) {
        const fs::path file = folder.path() / "damaged.png";
        temp_files::writeFile(file, c.bytes);
        EXPECT_EQ(differenceOf(file), "") << c.name;
        EXPECT_EQ(sim::decodePngWithStb(file.string()).has_value(), c.decodes) << c.name;
    }
}

}  // namespace
