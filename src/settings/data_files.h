// The INI files of the data folder: each one's name relative to that folder, who writes it,
// whether the release ships it, and what it holds. The plug-in opens them by these names;
// the folder check, the simulator and the tests take the names from here too. The images
// of the data folder are listed by the texture catalogue (hud/texture_catalogue.h).
#pragma once

#include <array>
#include <cstdint>

namespace velquist {

// The data folder: Velquist\ beside the plug-in's own file.
constexpr const char* dataFolderName = "Velquist";

enum class DataFileUse {
    readAndSaved,  // read at the start, saved from the menu
    readOnly,      // edited by hand, never written by the plug-in
    writtenOnly,   // results the plug-in writes and never reads
};

struct DataFile {
    const char* name;  // relative to the data folder
    DataFileUse use;
    bool shipped;  // the release's data folder holds it; the others appear on a save
    const char* what;
};

namespace data_files {

inline constexpr DataFile general = {"settingsGeneral.ini", DataFileUse::readAndSaved, false,
                                     "menu key, refresh interval and the active profile"};
// Profile n (1..3) is profiles[n - 1].
inline constexpr std::array<DataFile, 3> profiles = {{
    {"settings1.ini", DataFileUse::readAndSaved, false, "profile 1 of the HUD's settings"},
    {"settings2.ini", DataFileUse::readAndSaved, false, "profile 2 of the HUD's settings"},
    {"settings3.ini", DataFileUse::readAndSaved, false, "profile 3 of the HUD's settings"},
}};
inline constexpr DataFile extended = {"settingsExtended.ini", DataFileUse::readOnly, true,
                                      "rpm LED colours and the velocity dials' calibration"};
inline constexpr DataFile brands = {"settingsBrands.ini", DataFileUse::readOnly, true,
                                    "brand names and the brand of each livery"};
inline constexpr DataFile maxRpm = {"settingsMaxRpm.ini", DataFileUse::readOnly, true,
                                    "the maximum rpm of each livery"};
inline constexpr DataFile analytics = {"analytics.ini", DataFileUse::writtenOnly, false,
                                       "the acceleration test's results by livery"};

// Every file above, in the order the folder check reports them.
inline constexpr std::array<const DataFile*, 8> all = {
    &general, &profiles[0], &profiles[1], &profiles[2], &extended, &brands, &maxRpm, &analytics,
};

}  // namespace data_files

}  // namespace velquist
