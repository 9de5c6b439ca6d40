// The default skin the build draws into the data folder beside the programs: every file
// the texture catalogue names is there, is a PNG and has its canvas size; every brand of
// the shipped brand table has its logo.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "hud/texture_catalogue.h"
#include "skin/brand_list.h"

namespace cat = velquist::catalogue;

namespace {

struct PngSize {
    bool valid = false;
    uint32_t width = 0, height = 0;
};

// Reads the signature and the header chunk of a PNG file.
PngSize readPngSize(const std::string& relative) {
    std::string path = std::string(VELQUIST_SKIN_FOLDER) + "/" + relative;
    for (char& c : path)
        if (c == '\\') c = '/';
    std::ifstream in(path, std::ios::binary);
    unsigned char b[24] = {};
    if (!in.read(reinterpret_cast<char*>(b), sizeof b)) return {};
    const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PngSize out;
    out.valid = std::equal(signature, signature + 8, b) && std::string(b + 12, b + 16) == "IHDR";
    auto be32 = [&](int at) {
        return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 |
               b[at + 3];
    };
    out.width = be32(16);
    out.height = be32(20);
    return out;
}

void expectImage(const std::string& relative, uint32_t size) {
    const PngSize p = readPngSize(relative);
    EXPECT_TRUE(p.valid) << relative << " is missing or not a PNG";
    EXPECT_EQ(p.width, size) << relative;
    EXPECT_EQ(p.height, size) << relative;
}

std::vector<std::string> fullSizeImages() {
    std::vector<std::string> all = {cat::shadowMain,   cat::shadowLeft,   cat::shadowAbove,
                                    cat::rpmText,      cat::needleBigA,   cat::needleBigB,
                                    cat::needleSmallA, cat::needleSmallB, cat::damageImage,
                                    cat::verticalDial, cat::fuelScale};
    for (const char* f : cat::rpmDials)
        all.push_back(f);
    for (const auto& f : cat::velocityFaces)
        all.push_back(f.file);
    for (const char* f : cat::unitTexts)
        all.push_back(f);
    for (const char* f : cat::fuelImages)
        all.push_back(f);
    return all;
}

TEST(SkinImagesTest, EveryFullSizeImageIsAPngOfTheCommonCanvas) {
    const auto all = fullSizeImages();
    EXPECT_EQ(all.size(), 11u + 7u + 13u + 3u + 3u);
    for (const std::string& f : all)
        expectImage(f, cat::fullCanvas);
}

TEST(SkinImagesTest, LedAndGearImagesHaveTheirSmallerCanvases) {
    expectImage(cat::ledOn, cat::ledCanvas);
    expectImage(cat::ledOff, cat::ledCanvas);
    for (const char* f : cat::gearDigits)
        expectImage(f, cat::gearCanvas);
    expectImage(cat::shiftDownImage, cat::gearCanvas);
    expectImage(cat::shiftUpImage, cat::gearCanvas);
}

TEST(SkinImagesTest, EveryShippedBrandAndEmptyHasALogo) {
    std::vector<std::string> skipped;
    const auto names = skin::readBrandNames(VELQUIST_BRANDS_INI, skipped);
    EXPECT_TRUE(skipped.empty());
    EXPECT_GT(names.size(), 10u);
    for (const std::string& name : names)
        expectImage(std::string(cat::brandFolder) + name + cat::brandSuffix, cat::fullCanvas);
    expectImage(std::string(cat::brandFolder) + "Empty" + cat::brandSuffix, cat::fullCanvas);
}

}  // namespace
