// The default skin the build draws into the data folder beside the programs: every file
// the texture catalogue names is there, is a PNG and has its canvas size; every brand of
// the shipped brand table has its logo, and the logos that show nothing are one pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hud/texture_catalogue.h"
#include "render/png_file.h"
#include "skin/brand_list.h"
#include "skin/geometry.h"

namespace cat = velquist::catalogue;

namespace {

std::string skinFile(const std::string& relative) {
    std::string path = std::string(VELQUIST_SKIN_FOLDER) + "/" + relative;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

void expectImage(const std::string& relative, uint32_t size) {
    const std::optional<sim::PngSize> p = sim::readPngSize(skinFile(relative));
    ASSERT_TRUE(p) << relative << " is missing or not a PNG";
    EXPECT_EQ(p->width, size) << relative;
    EXPECT_EQ(p->height, size) << relative;
}

// Every full-size image with sharp marks (the soft ones are tested on their own).
std::vector<std::string> fullSizeImages() {
    std::vector<std::string> all = {cat::rpmText,      cat::needleBigA,   cat::needleBigB,
                                    cat::needleSmallA, cat::needleSmallB, cat::verticalDial,
                                    cat::fuelScale};
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

TEST(SkinImagesTest, EverySharpFullSizeImageIsAPngOfTheFullCanvas) {
    const auto all = fullSizeImages();
    EXPECT_EQ(all.size(), 7u + 7u + 13u + 3u + 3u);
    for (const std::string& f : all)
        expectImage(f, skin::fullPixels);
}

TEST(SkinImagesTest, SoftAndSmallerImagesHaveTheirOwnCanvases) {
    for (const char* f : {cat::shadowMain, cat::shadowLeft, cat::shadowAbove, cat::damageImage})
        expectImage(f, skin::softPixels);
    expectImage(cat::ledOn, skin::ledPixels);
    expectImage(cat::ledOff, skin::ledPixels);
    for (const char* f : cat::gearDigits)
        expectImage(f, skin::gearPixels);
    expectImage(cat::shiftDownImage, skin::gearPixels);
    expectImage(cat::shiftUpImage, skin::gearPixels);
}

TEST(SkinImagesTest, EveryShippedBrandHasALogoAndTheFallbacksAreBlank) {
    std::vector<std::string> skipped;
    const auto names = skin::readBrandNames(VELQUIST_BRANDS_INI, skipped);
    EXPECT_TRUE(skipped.empty());
    EXPECT_GT(names.size(), 10u);
    const std::string fallback = skin::readFallbackBrand(VELQUIST_BRANDS_INI);
    EXPECT_EQ(fallback, names.front());
    for (const std::string& name : names)
        expectImage(std::string(cat::brandFolder) + name + cat::brandSuffix,
                    name == fallback ? skin::blankPixels : skin::logoPixels);
    expectImage(std::string(cat::brandFolder) + "Empty" + cat::brandSuffix, skin::blankPixels);
}

}  // namespace
