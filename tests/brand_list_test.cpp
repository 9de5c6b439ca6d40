// The skin generator's reading of the brand table: the names the plug-in would see, and
// only those that can name a logo file.
#include <gtest/gtest.h>

#include <fstream>

#include "skin/brand_list.h"
#include "support/sim_process.h"

namespace {

std::vector<std::string> read(const std::string& ini, std::vector<std::string>& skipped) {
    const std::string file = sim_process::makeTempFolder() + "/settingsBrands.ini";
    std::ofstream(file, std::ios::binary) << ini;
    return skin::readBrandNames(file, skipped);
}

TEST(BrandListTest, NamesComeInIndexOrderFromTheBrandSectionOnly) {
    std::vector<std::string> skipped;
    const auto names = read(
        "; comment\r\n[LIVERY]\r\nbrand0=NotABrand\r\n[brand]\r\nBRAND2 = Two \r\nbrand0=Zero\r\n"
        "brand0=Again\r\nbrand100=Beyond\r\nbrand07=Padded\r\nbrand1=Zero\r\n",
        skipped);
    EXPECT_EQ(names, (std::vector<std::string>{"Zero", "Two"}));
    EXPECT_TRUE(skipped.empty());
}

TEST(BrandListTest, NamesThatCannotBeFileNamesAreReported) {
    std::vector<std::string> skipped;
    const auto names = read(
        "[BRAND]\nbrand0=Sub\\Name\nbrand1=..\nbrand2=\nbrand3=Fine\n"
        "brand4=a/b\n",
        skipped);
    EXPECT_EQ(names, (std::vector<std::string>{"Fine"}));
    EXPECT_EQ(skipped, (std::vector<std::string>{"Sub\\Name", "..", "", "a/b"}));
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
}

}  // namespace
