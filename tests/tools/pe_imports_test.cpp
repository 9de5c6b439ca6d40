// The image reader: imports by name and ordinal, delay-loaded DLLs, exports, and damaged
// files that must give an error rather than a crash.
#include <gtest/gtest.h>

#include "support/crafted_pe.h"
#include "tools/pe_imports.h"

namespace {

crafted_pe::Contents sampleContents() {
    crafted_pe::Contents contents;
    contents.dlls = {{"KERNEL32.dll", {"GetTickCount", "Sleep"}, {}, false},
                     {"ScriptHookV.dll", {"?scriptWait@@YAXK@Z"}, {7}, false},
                     {"USER32.dll", {"MessageBoxA"}, {}, true}};
    contents.exports = {"exportedOne", "exportedTwo"};
    contents.timeDateStamp = 0x12345678;
    return contents;
}

TEST(PeImports, ReadsEveryDllWithItsFunctionsInOrder) {
    pe::Image image;
    std::string error;
    ASSERT_TRUE(pe::readImage(crafted_pe::build(sampleContents()), image, error)) << error;
    EXPECT_TRUE(image.isDll);
    EXPECT_EQ(image.timeDateStamp, 0x12345678u);
    ASSERT_EQ(image.dlls.size(), 3u);
    EXPECT_EQ(image.dlls[0].name, "KERNEL32.dll");
    EXPECT_FALSE(image.dlls[0].delayed);
    ASSERT_EQ(image.dlls[0].imports.size(), 2u);
    EXPECT_EQ(image.dlls[0].imports[0].name, "GetTickCount");
    EXPECT_EQ(image.dlls[0].imports[1].name, "Sleep");
    ASSERT_EQ(image.dlls[1].imports.size(), 2u);
    EXPECT_EQ(image.dlls[1].imports[0].name, "?scriptWait@@YAXK@Z");
    EXPECT_TRUE(image.dlls[1].imports[1].byOrdinal);
    EXPECT_EQ(image.dlls[1].imports[1].ordinal, 7);
    EXPECT_EQ(image.dlls[2].name, "USER32.dll");
    EXPECT_TRUE(image.dlls[2].delayed);
    ASSERT_EQ(image.dlls[2].imports.size(), 1u);
    EXPECT_EQ(image.dlls[2].imports[0].name, "MessageBoxA");
    EXPECT_EQ(image.exports, (std::vector<std::string>{"exportedOne", "exportedTwo"}));
}

TEST(PeImports, ImageWithoutTablesHasNoImportsOrExports) {
    crafted_pe::Contents contents;
    contents.dll = false;
    pe::Image image;
    std::string error;
    ASSERT_TRUE(pe::readImage(crafted_pe::build(contents), image, error)) << error;
    EXPECT_FALSE(image.isDll);
    EXPECT_TRUE(image.dlls.empty());
    EXPECT_TRUE(image.exports.empty());
}

TEST(PeImports, RejectsWhatIsNotA64BitImage) {
    pe::Image image;
    std::string error;
    EXPECT_FALSE(pe::readImage({}, image, error));
    EXPECT_FALSE(pe::readImage(std::vector<uint8_t>(100, 0), image, error));
    EXPECT_EQ(error, "not an MZ executable");

    auto bytes = crafted_pe::build(sampleContents());
    bytes[crafted_pe::optionalHeaderOffset] = 0x0B;  // PE32 magic 0x10B
    bytes[crafted_pe::optionalHeaderOffset + 1] = 0x01;
    EXPECT_FALSE(pe::readImage(bytes, image, error));
    EXPECT_EQ(error, "not a 64-bit (PE32+) image");

    bytes = crafted_pe::build(sampleContents());
    bytes[0x3C] = 0xF0;  // the PE header's offset points past the end
    bytes[0x3D] = 0xFF;
    EXPECT_FALSE(pe::readImage(bytes, image, error));
}

TEST(PeImports, DamagedTablesGiveAnErrorNotACrash) {
    const auto good = crafted_pe::build(sampleContents());
    pe::Image image;
    std::string error;
    // Every truncation of the file is either still readable or reported.
    for (size_t n = 0; n < good.size(); ++n) {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(n));
        if (!pe::readImage(cut, image, error)) {
            EXPECT_FALSE(error.empty()) << n;
        }
    }
    // Every single byte of the tables set to 0xFF.
    for (size_t i = crafted_pe::sectionFileOffset; i < good.size(); ++i) {
        auto bad = good;
        bad[i] = 0xFF;
        if (!pe::readImage(bad, image, error)) {
            EXPECT_FALSE(error.empty()) << i;
        }
    }
    // A name without its terminating zero at the very end of the file.
    auto open = good;
    while (open.back() == 0)
        open.pop_back();
    EXPECT_FALSE(pe::readImage(open, image, error));
}

TEST(PeImports, ImportDirectoryOutsideEverySectionIsReported) {
    auto bytes = crafted_pe::build(sampleContents());
    const size_t importEntry = crafted_pe::optionalHeaderOffset + 112 + 8;
    bytes[importEntry + 3] = 0x7F;  // RVA far beyond the one section
    pe::Image image;
    std::string error;
    EXPECT_FALSE(pe::readImage(bytes, image, error));
    EXPECT_NE(error.find("lies in no section"), std::string::npos) << error;
}

TEST(PeImports, MissingFileIsAnError) {
    pe::Image image;
    std::string error;
    EXPECT_FALSE(pe::readImageFile("/nonexistent/Velquist.asi", image, error));
    EXPECT_EQ(error, "cannot read /nonexistent/Velquist.asi");
}

}  // namespace
