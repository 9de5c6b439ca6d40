// The general settings (settingsGeneral.ini, section GENERAL): which F-key opens the menu,
// how often the HUD refreshes and which profile file is active. Read once at start-up,
// written when the player leaves the menu's General page.
#pragma once

#include <cstdint>

#include "settings/whole_file.h"

namespace velquist {

struct GeneralSettings {
    int32_t menuKey = 10;          // F-key number 1..12 that opens the menu (F10)
    int32_t refreshInterval = 12;  // least ms between two HUD refreshes, 5..50
    int32_t actSetting = 1;        // number of the active profile file, 1..3
};

extern GeneralSettings general;

// Reads the three settings; a missing file, a missing key or a value outside its range
// gives that key's default, the other keys keep theirs. A file that exists but could not
// be read is marked in unread.general (see unread_files.h).
void readGeneralSettings();

// Reads the file again after a failed read: the values in memory change only when this
// read succeeds. Returns whether it did.
bool rereadGeneralSettings();

// Stores the three settings as one save (see saveWholeFile), each with the comment that
// explains it. The file is created if missing (but never its folder); keys and lines added
// by hand are kept. Nothing is written while the file is marked unread.
SaveResult writeGeneralSettings();

}  // namespace velquist
