// The screens the tools draw for: the common screens the layout check measures the cluster
// on, and a player's own screen given as WxH on a command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sim {

struct Screen {
    int width = 1920;   // px
    int height = 1080;  // px
    std::string name;   // its ratio, e.g. "16:9"; empty for a screen of no common ratio
    bool defaultPlacementFits = true;  // false for a ratio the default placement is not made for
};

// 4:3 1440x1080, 16:10 1920x1200, 16:9 1920x1080, 21:9 2560x1080, 32:9 3840x1080: the
// default placement puts the whole cluster on all of them but 32:9.
const std::vector<Screen>& commonScreens();

// "16:9 (1920x1080)", or "1680x1050" for a screen without a name.
std::string screenTitle(const Screen& screen);

// The sizes a --screen option takes.
constexpr int screenWidthMin = 320, screenHeightMin = 200;
constexpr int screenWidthMax = 7680, screenHeightMax = 4320;

// WxH (or WXH) within those sizes, named when it is a common screen; nullopt otherwise.
std::optional<Screen> parseScreen(const std::string& text);

// "--screen takes WxH, from 320x200 to 7680x4320"
std::string screenOptionRule();

}  // namespace sim
