#include "tools/screens.h"

#include <cstdio>

namespace sim {

const std::vector<Screen>& commonScreens() {
    static const std::vector<Screen> screens = {
        {1440, 1080, "4:3", true},  {1920, 1200, "16:10", true}, {1920, 1080, "16:9", true},
        {2560, 1080, "21:9", true}, {3840, 1080, "32:9", false},
    };
    return screens;
}

std::string screenTitle(const Screen& s) {
    const std::string size = std::to_string(s.width) + "x" + std::to_string(s.height);
    return s.name.empty() ? size : s.name + " (" + size + ")";
}

std::optional<Screen> parseScreen(const std::string& text) {
    int w = 0, h = 0;
    char x = 0, rest = 0;
    if (std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &rest) != 3 || (x != 'x' && x != 'X') ||
        w < screenWidthMin || h < screenHeightMin || w > screenWidthMax || h > screenHeightMax)
        return std::nullopt;
    for (const Screen& s : commonScreens())
        if (s.width == w && s.height == h) return s;
    return Screen{w, h, "", true};
}

std::string screenOptionRule() {
    return "--screen takes WxH, from " + std::to_string(screenWidthMin) + "x" +
           std::to_string(screenHeightMin) + " to " + std::to_string(screenWidthMax) + "x" +
           std::to_string(screenHeightMax);
}

}  // namespace sim
