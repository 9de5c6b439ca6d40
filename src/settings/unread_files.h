// The settings files whose values in memory were not read from them: the file exists, but
// a read of it failed (another program held it, it was refused, it is no regular file or
// too large), so some keys took their defaults in place of the player's values. Such a file
// is not saved until a read of it succeeds, or the defaults would replace what it holds.
#pragma once

#include <cstdint>

namespace velquist {

struct UnreadFiles {
    bool general = false;         // settingsGeneral.ini could not be read
    int32_t profile = 0;          // number (1..3) of the profile file in memory that could
                                  // not be read; 0 when it was read
    bool generalNoticed = false;  // the player was told its saves are skipped
    bool profileNoticed = false;  // likewise for the profile
};

extern UnreadFiles unread;

}  // namespace velquist
