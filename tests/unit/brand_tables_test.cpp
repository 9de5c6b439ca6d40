// The brand and max-rpm tables: the readers, and the tables shipped in the data folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "core/process_texts.h"
#include "settings/brand_tables.h"
#include "support/game_folder.h"
#include "support/plugin_test.h"
#include "support/test_host.h"

using namespace velquist;

namespace {

using Brands = testing_host::FolderTest;

using BrandTablesTest = Brands;
using ShippedTablesTest = Brands;

TEST_F(BrandTablesTest, MissingFilesGiveEmptyUnknownAnd50) {
    texts.brandNames.fill("stale");
    loadBrandNames();
    for (const std::string& name : texts.brandNames)
        EXPECT_EQ(name, "Empty");
    EXPECT_EQ(readLiveryBrand("ADDER"), "UnkownLivery");
    EXPECT_EQ(readMaxRpm("ADDER"), 50);
}

TEST_F(BrandTablesTest, BrandNamesComeByIndexWithGapsReadingEmpty) {
    folder->write("settingsBrands.ini",
                  "[BRAND]\nbrand0=Generic\nbrand6=Six\nbrand07=Padded\nbrand8=Eight\n"
                  "brand99=Last\nbrand100=Beyond\n");
    loadBrandNames();
    EXPECT_EQ(texts.brandNames[0], "Generic");
    EXPECT_EQ(texts.brandNames[6], "Six");
    EXPECT_EQ(texts.brandNames[7], "Empty");  // brand07 is not brand7
    EXPECT_EQ(texts.brandNames[8], "Eight");
    EXPECT_EQ(texts.brandNames[99], "Last");
    EXPECT_EQ(std::count(texts.brandNames.begin(), texts.brandNames.end(), "Beyond"), 0);
    EXPECT_EQ(std::count(texts.brandNames.begin(), texts.brandNames.end(), "Empty"), 96);

    // A reload takes the file as it now stands: a removed brand is Empty again.
    folder->write("settingsBrands.ini", "[BRAND]\nbrand0=Generic\n");
    loadBrandNames();
    EXPECT_EQ(texts.brandNames[6], "Empty");
}

TEST_F(BrandTablesTest, LiveryNamesTheirBrandAndLongNamesAreCut) {
    const std::string longName(70, 'x');
    folder->write("settingsBrands.ini",
                  "[BRAND]\nbrand1=" + longName + "\n[LIVERY]\nADDER=Truffade\nT20=Progen\n");
    loadBrandNames();
    EXPECT_EQ(texts.brandNames[1], std::string(63, 'x'));
    EXPECT_EQ(readLiveryBrand("ADDER"), "Truffade");
    EXPECT_EQ(readLiveryBrand("T20"), "Progen");
    EXPECT_EQ(readLiveryBrand("ZENTORNO"), "UnkownLivery");
    EXPECT_EQ(readLiveryBrand("Generic"), "UnkownLivery");  // BRAND keys are not liveries
}

TEST_F(BrandTablesTest, MaxRpmOutside10To150Reads50) {
    folder->write("settingsMaxRpm.ini",
                  "[MAXRPM]\nLOW=9\nMIN=10\nMAX=150\nHIGH=151\nNEG=-80\nMID=72\n");
    EXPECT_EQ(readMaxRpm("LOW"), 50);
    EXPECT_EQ(readMaxRpm("MIN"), 10);
    EXPECT_EQ(readMaxRpm("MAX"), 150);
    EXPECT_EQ(readMaxRpm("HIGH"), 50);
    EXPECT_EQ(readMaxRpm("NEG"), 50);
    EXPECT_EQ(readMaxRpm("MID"), 72);
    EXPECT_EQ(readMaxRpm("NONE"), 50);
}

// A strict reading of a shipped file: every line is blank, a comment, a section header
// or key=value with nothing around the "=".
struct IniFile {
    std::map<std::string, std::vector<std::pair<std::string, std::string>>> sections;
    std::vector<std::string> faults;
};

IniFile parseShipped(const std::string& name) {
    IniFile ini;
    std::ifstream in(std::filesystem::path(VELQUIST_DATA_FOLDER) / name, std::ios::binary);
    if (!in) ini.faults.push_back("cannot open " + name);
    std::string line, section;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string where = name + ":" + std::to_string(number) + ": ";
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            if (ini.sections.count(section)) ini.faults.push_back(where + "section twice");
            ini.sections[section];
            continue;
        }
        const size_t eq = line.find('=');
        if (section.empty() || eq == std::string::npos || eq == 0 || eq + 1 == line.size() ||
            std::isspace(static_cast<unsigned char>(line[eq - 1])) ||
            std::isspace(static_cast<unsigned char>(line[eq + 1])) ||
            std::isspace(static_cast<unsigned char>(line.back()))) {
            ini.faults.push_back(where + "not key=value: " + line);
            continue;
        }
        ini.sections[section].emplace_back(line.substr(0, eq), line.substr(eq + 1));
    }
    return ini;
}

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// Letters, digits, blanks inside, hyphens and underscores: a file name on every system.
bool usableAsFileName(const std::string& s) {
    if (s.empty() || s.front() == ' ' || s.back() == ' ') return false;
    return std::all_of(s.begin(), s.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == ' ' || c == '-' || c == '_';
    });
}

TEST_F(ShippedTablesTest, BrandListIsWellFormed) {
    const IniFile brands = parseShipped("settingsBrands.ini");
    EXPECT_TRUE(brands.faults.empty()) << brands.faults.front();
    ASSERT_EQ(brands.sections.size(), 2u);
    const auto& list = brands.sections.at("BRAND");
    ASSERT_FALSE(list.empty());
    std::set<std::string> keys, names;
    for (const auto& [key, name] : list) {
        EXPECT_TRUE(keys.insert(key).second) << "brand key twice: " << key;
        EXPECT_TRUE(names.insert(upper(name)).second) << "brand twice: " << name;
        EXPECT_TRUE(usableAsFileName(name)) << name;
        EXPECT_NE(name, "Empty");
        EXPECT_NE(name, "UnkownLivery");
    }
    for (int i = 0; i < static_cast<int>(list.size()); ++i)
        EXPECT_TRUE(keys.count("brand" + std::to_string(i))) << "brand" << i << " missing";
    EXPECT_LE(list.size(), 100u);
}

TEST_F(ShippedTablesTest, EveryLiveryHasAListedBrandAndAMaxRpmInRange) {
    const IniFile brands = parseShipped("settingsBrands.ini");
    const IniFile rpm = parseShipped("settingsMaxRpm.ini");
    EXPECT_TRUE(rpm.faults.empty()) << rpm.faults.front();
    ASSERT_EQ(rpm.sections.size(), 1u);

    std::set<std::string> brandNames;
    for (const auto& entry : brands.sections.at("BRAND"))
        brandNames.insert(entry.second);
    std::map<std::string, std::string> liveryBrand;
    for (const auto& [livery, brand] : brands.sections.at("LIVERY")) {
        EXPECT_LE(livery.size(), 16u) << livery;
        EXPECT_TRUE(liveryBrand.emplace(upper(livery), brand).second) << "twice: " << livery;
        EXPECT_TRUE(brandNames.count(brand)) << livery << "=" << brand << " is not a brand";
    }
    EXPECT_GE(liveryBrand.size(), 60u);

    std::map<std::string, int> liveryRpm;
    for (const auto& [livery, value] : rpm.sections.at("MAXRPM")) {
        const bool digits = std::all_of(value.begin(), value.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        });
        ASSERT_TRUE(digits) << livery << "=" << value;
        const int v = std::stoi(value);
        EXPECT_GE(v, 10) << livery;
        EXPECT_LE(v, 150) << livery;
        EXPECT_TRUE(liveryRpm.emplace(upper(livery), v).second) << "twice: " << livery;
        EXPECT_TRUE(liveryBrand.count(upper(livery))) << livery << " has no brand";
    }
    for (const auto& entry : liveryBrand)
        EXPECT_TRUE(liveryRpm.count(entry.first)) << entry.first << " has no max rpm";
}

TEST_F(ShippedTablesTest, ThePlugInReadsTheShippedTablesAsWritten) {
    for (const char* name : {"settingsBrands.ini", "settingsMaxRpm.ini"})
        std::filesystem::copy_file(std::filesystem::path(VELQUIST_DATA_FOLDER) / name,
                                   folder->data() / name);
    const IniFile brands = parseShipped("settingsBrands.ini");
    const IniFile rpm = parseShipped("settingsMaxRpm.ini");

    loadBrandNames();
    EXPECT_NE(texts.brandNames[0], "Empty");  // the brand of every unlisted vehicle
    for (const auto& [key, name] : brands.sections.at("BRAND")) {
        const int i = std::stoi(key.substr(5));
        EXPECT_EQ(texts.brandNames[static_cast<size_t>(i)], name);
    }
    for (const auto& [livery, brand] : brands.sections.at("LIVERY"))
        EXPECT_EQ(readLiveryBrand(livery), brand);
    for (const auto& [livery, value] : rpm.sections.at("MAXRPM"))
        EXPECT_EQ(readMaxRpm(livery), std::stoi(value)) << livery;
}

}  // namespace
