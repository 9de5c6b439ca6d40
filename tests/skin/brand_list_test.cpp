// The skin generator's reading of the brand table: the names the plug-in would see, and
// only those that can name a logo file; velquist-skin names each logo as the plug-in asks.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/process_texts.h"
#include "host/portable/portable_platform.h"
#include "settings/brand_tables.h"
#include "skin/brand_list.h"
#include "support/sim_process.h"
#include "support/temp_files.h"

namespace {

std::vector<std::string> read(const std::string& ini, std::vector<std::string>& skipped) {
    const std::string file = temp_files::folderUntilExit() + "/settingsBrands.ini";
    std::ofstream(file, std::ios::binary) << ini;
    return skin::readBrandNames(file, skipped);
}

// The names read from the file, and the ones it skipped.
void expectNames(const std::string& ini, const std::vector<std::string>& names,
                 const std::vector<std::string>& skippedNames) {
    std::vector<std::string> skipped;
    EXPECT_EQ(read(ini, skipped), names);
    EXPECT_EQ(skipped, skippedNames);
}

TEST(BrandListTest, NamesComeInIndexOrderFromTheBrandSectionOnly) {
    expectNames(
        "; comment\r\n[LIVERY]\r\nbrand0=NotABrand\r\n[brand]\r\nBRAND2 = Two \r\nbrand0=Zero\r\n"
        "brand0=Again\r\nbrand100=Beyond\r\nbrand07=Padded\r\nbrand1=Zero\r\n",
        {"Zero", "Two"}, {});
}

TEST(BrandListTest, NamesThatCannotBeFileNamesAreReported) {
    expectNames("[BRAND]\nbrand0=Sub\\Name\nbrand1=..\nbrand2=\nbrand3=Fine\nbrand4=a/b\n",
                {"Fine"}, {"Sub\\Name", "..", "", "a/b"});
}

TEST(BrandListTest, LongNamesAreCutAsThePluginCutsThem) {
    std::vector<std::string> skipped;
    const auto names = read("[BRAND]\nbrand0=" + std::string(70, 'x') + "\n", skipped);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].size(), 63u);
}

TEST(BrandListTest, NoFileGivesNoNames) {
    std::vector<std::string> skipped;
    EXPECT_TRUE(skin::readBrandNames("/no/such/settingsBrands.ini", skipped).empty());
    EXPECT_EQ(skin::readFallbackBrand("/no/such/settingsBrands.ini"), velquist::unsetBrand);
}

// Quotes, blanks, a comment, a byte-order mark: the names are the ones the plug-in reads from
// the same file, each once, in index order.
TEST(BrandListTest, NamesAreTheOnesThePluginReads) {
    const std::string game = temp_files::folderUntilExit();
    std::filesystem::create_directories(game + "/Velquist");
    const std::string file = game + "/Velquist/settingsBrands.ini";
    std::ofstream(file, std::ios::binary)
        << "\xEF\xBB\xBF[BRAND]\r\nbrand0=\"Quoted\"\r\nbrand1= 'Single' \r\nbrand2=Plain ;note\r\n"
           "brand3=Caf\xC3\xA9\r\nbrand5=\"Quoted\"\r\n";
    std::vector<std::string> skipped;
    const std::vector<std::string> names = skin::readBrandNames(file, skipped);
    EXPECT_EQ(names, (std::vector<std::string>{"Quoted", "Single", "Plain ;note", "Caf\xE9"}));
    EXPECT_TRUE(skipped.empty());
    EXPECT_EQ(skin::readFallbackBrand(file), "Quoted");
    EXPECT_EQ(skin::logoText("Caf\xE9"), "Caf\xC3\xA9");

    velquist::platform::portable::config.moduleFile = game + "/Velquist.asi";
    velquist::texts.pluginFolder.clear();
    velquist::loadBrandNames();
    std::vector<std::string> asked;
    for (const std::string& name : velquist::texts.brandNames)
        if (name != velquist::unsetBrand &&
            std::find(asked.begin(), asked.end(), name) == asked.end())
            asked.push_back(name);
    EXPECT_EQ(names, asked);
}

TEST(BrandListTest, SkinWritesEachLogoUnderTheNameThePluginAsksFor) {
    const std::string dir = temp_files::folderUntilExit();
    std::ofstream(dir + "/brands.ini", std::ios::binary)
        << "[BRAND]\r\nbrand0=\"Generic\"\r\nbrand1=\"Quoted\"\r\nbrand2=../Out\r\n";
    const std::string command = std::string(VELQUIST_SKIN) + " " + dir + "/out --brands " + dir +
                                "/brands.ini >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::vector<std::string> logos;
    for (const auto& entry : std::filesystem::directory_iterator(dir + "/out/Brands"))
        logos.push_back(entry.path().filename().string());
    std::sort(logos.begin(), logos.end());
    EXPECT_EQ(logos, (std::vector<std::string>{"Empty.png", "Generic.png", "Quoted.png"}));
    // brand0 is the blank logo; the others are drawn.
    auto width = [&](const std::string& name) {
        cairo_surface_t* s =
            cairo_image_surface_create_from_png((dir + "/out/Brands/" + name).c_str());
        const int w = cairo_image_surface_get_width(s);
        cairo_surface_destroy(s);
        return w;
    };
    EXPECT_EQ(width("Generic.png"), 1);
    EXPECT_GT(width("Quoted.png"), 100);
}

}  // namespace
