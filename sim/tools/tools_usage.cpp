#include <cstdio>

#include "tools/tool_commands.h"

namespace sim {

const char* const toolsUsage =
    "       velquist-sim check [--game DIR] [--screen WxH]...\n"
    "         lists what the plug-in would pass over or replace by a default in DIR's data\n"
    "         folder, and the cluster's parts off the common screens (and WxH) or over each\n"
    "         other, one FILE:LINE: line each; exit 1 when there is anything\n"
    "       velquist-sim dial FAMILY UNIT | rpm N [--game DIR] [--out FILE] [--marks LIST]\n"
    "                         [--colour R,G,B] [--size PX]\n"
    "         draws a dial face with its needle at every printed mark (FAMILY: Max, CarFast,\n"
    "         CarSlow, LinFast, LinSlow; UNIT: mph, kmh, kno; N: 3 5 6 8 9 10 12)\n"
    "       velquist-sim play [--game DIR] [--screen WxH] [--trace FILE] [--last-frame FILE]\n"
    "                         [--quit-after MS]\n"
    "         the HUD live in a window: W/S or arrows drive, Space hand brake, 1-5 vehicle,\n"
    "         F10 and the numpad work the menu, Esc quits\n";

int toolUsageError(const char* tool, const std::string& what) {
    std::fprintf(stderr, "velquist-sim %s: %s\nusage:\n%s", tool, what.c_str(), toolsUsage);
    return 2;
}

}  // namespace sim
