// The settings tables: the general settings' key table agrees with the in-memory defaults
// and keeps every default inside its own range; the data file table names exactly the
// files the release ships and the files the plug-in opens.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "settings/data_files.h"
#include "settings/general_keys.h"
#include "settings/profile_settings.h"

namespace {

TEST(GeneralKeys, DefaultsMatchTheSettingsAndLieInTheirRanges) {
    const velquist::GeneralSettings fresh;
    for (const auto& k : velquist::generalKeys) {
        EXPECT_EQ(fresh.*k.field, k.defaultValue) << k.key;
        EXPECT_LE(k.minimum, k.defaultValue) << k.key;
        EXPECT_LE(k.defaultValue, k.maximum) << k.key;
        EXPECT_EQ(k.comment[0], ';') << k.key;
    }
}

// The shipped data folder holds every file the table marks as shipped, and no INI file the
// table does not know; the files the plug-in saves or writes are not shipped, or an update
// would overwrite the player's own.
TEST(DataFiles, TheTableAndTheShippedFolderAgree) {
    namespace fs = std::filesystem;
    std::set<std::string> names, shipped;
    for (const velquist::DataFile* file : velquist::data_files::all) {
        EXPECT_TRUE(names.insert(file->name).second) << file->name << " twice";
        EXPECT_EQ(file->shipped, file->use == velquist::DataFileUse::readOnly) << file->name;
        if (file->shipped) shipped.insert(file->name);
    }
    std::set<std::string> inFolder;
    for (const auto& entry : fs::directory_iterator(VELQUIST_DATA_FOLDER))
        if (entry.path().extension() == ".ini") inFolder.insert(entry.path().filename().string());
    EXPECT_EQ(inFolder, shipped);
}

TEST(DataFiles, ProfilesAreTheTablesFiles) {
    for (int32_t n = velquist::firstProfile; n <= velquist::lastProfile; ++n)
        EXPECT_STREQ(velquist::profileFileName(n),
                     velquist::data_files::profiles[static_cast<size_t>(n - 1)].name);
    EXPECT_STREQ(velquist::profileFileName(1), "settings1.ini");
    EXPECT_STREQ(velquist::profileFileName(3), "settings3.ini");
}

}  // namespace
