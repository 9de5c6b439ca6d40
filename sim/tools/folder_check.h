// The folder check: reads a game folder's data folder as the plug-in would and lists
// everything the plug-in would silently pass over or replace by a default: values out of
// range, unknown sections and keys, keys and sections written twice, missing or broken
// images, brands without a logo, liveries of unknown brands, out-of-range max rpm and
// calibrations whose needle cannot move; and the layout of the cluster on the common
// screens and the player's own (layout_findings.h).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/screens.h"

namespace sim {

struct Finding {
    std::string file;  // relative to the game folder, with "/", e.g. Velquist/settings1.ini
    int line = 0;      // 1-based; 0 when it concerns the file as a whole
    std::string what;
};

// Every finding, file by file in a fixed order, by line within a file. ownScreens are
// checked beside the common screens; notes, when given, receives the lines for standard
// error about screens the default placement is not made for.
std::vector<Finding> checkGameFolder(const std::filesystem::path& gameDir,
                                     const std::vector<Screen>& ownScreens = {},
                                     std::vector<std::string>* notes = nullptr);

// "FILE:LINE: what" (or "FILE: what"), FILE prefixed by the folder as the user named it and
// written with the system's separator.
std::string formatFinding(const Finding& finding, const std::string& shownGameDir);

// The closing line of a check: "3 findings", or "nothing to report in DIR".
std::string checkSummary(size_t findings, const std::string& shownGameDir);

}  // namespace sim
