// The layout check's findings for a game folder, in the folder check's form: for the
// active profile's set-ups (every vehicle kind it shows, with the fuel gauge), on the
// common screens and the player's own, the images that run off a screen, the gauges that
// overlap, the needles that sweep over the unit label or the brand logo, and for each
// screen the placement values that bring the whole cluster on it. A finding stands at the
// settings line that moved the cluster off (where the default placement would keep it on)
// and otherwise at the image itself. Screens the default placement is not made for (32:9)
// give one note line instead, unless the player names them.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tools/cluster_draws.h"
#include "tools/folder_check.h"
#include "tools/layout_check.h"
#include "tools/screens.h"

namespace sim {

// The line of a key in a file of the data folder, or of the section's header when key is
// empty; 0 when the file has no such line.
using SettingLine =
    std::function<int(const std::string& file, const std::string& section, const std::string& key)>;

struct LayoutReport {
    std::vector<Finding> findings;
    std::vector<std::string> notes;  // "note: ..." lines for standard error
};

// The layout of gameDir's active profile on the common screens and ownScreens, with what
// the caller has read of that folder already.
LayoutReport checkLayout(const std::filesystem::path& gameDir,
                         const std::vector<Screen>& ownScreens, const SettingLine& lineOf,
                         SharedReading shared = {});

}  // namespace sim
