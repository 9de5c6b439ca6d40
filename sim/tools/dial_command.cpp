// velquist-sim dial FAMILY UNIT | rpm N [--game DIR] [--out FILE] [--marks LIST]
//                                       [--colour R,G,B] [--size PX]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "command_words.h"
#include "settings/extended_settings.h"
#include "sim_files.h"
#include "tools/dial_picture.h"
#include "tools/plugin_folder.h"
#include "tools/tool_commands.h"

namespace sim {

namespace {

int usageError(const std::string& what) {
    return toolUsageError("dial", what);
}

// "a,b,c" of at most `most` numbers; "none" is the empty list.
bool parseList(const std::string& text, std::vector<double>& out, size_t most) {
    out.clear();
    if (text == "none") return true;
    if (static_cast<size_t>(std::count(text.begin(), text.end(), ',')) >= most) return false;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        char* end = nullptr;
        const double v = std::strtod(item.c_str(), &end);
        if (item.empty() || *end != '\0' || !std::isfinite(v)) return false;
        out.push_back(v);
    }
    return !out.empty();
}

}  // namespace

int dialCommand(const std::vector<std::string>& args) {
    std::vector<std::string> words;
    std::string gameDir, outFile, marksText, colourText = "255,25,25", sizeText;
    for (CommandWords line(args); line.next();) {
        const std::string& a = line.word();
        if (a == "--game") {
            if (!line.value(gameDir)) return usageError("--game needs a folder");
        } else if (a == "--out") {
            if (!line.value(outFile)) return usageError("--out needs a file");
        } else if (a == "--marks") {
            if (!line.value(marksText)) return usageError("--marks needs a list");
        } else if (a == "--size") {
            if (!line.value(sizeText)) return usageError("--size needs pixels");
        } else if (a == "--colour") {
            if (!line.value(colourText)) return usageError("--colour needs R,G,B");
        } else if (a.size() > 1 && a[0] == '-') {
            return usageError("unknown option " + a);
        } else {
            words.push_back(a);
        }
    }
    if (words.size() != 2) return usageError("name a face: FAMILY UNIT or rpm N");
    std::string error;
    const std::optional<DialChoice> dial = chooseDial(words[0], words[1], error);
    if (!dial) return usageError(error);

    std::vector<double> colour;
    float tint[3];
    if (!parseList(colourText, colour, 3) || colour.size() != 3)
        return usageError("--colour takes three numbers 0..255: R,G,B");
    for (int c = 0; c < 3; ++c) {
        if (colour[c] < 0 || colour[c] > 255) return usageError("--colour takes 0..255");
        tint[c] = static_cast<float>(colour[c] / 255.0);
    }

    int side = 0;
    if (!sizeText.empty()) {
        char* end = nullptr;
        const long v = std::strtol(sizeText.c_str(), &end, 10);
        if (*end != '\0' || v < 64 || v > 8192) return usageError("--size takes 64 to 8192 pixels");
        side = static_cast<int>(v);
    }

    std::error_code ec;
    const std::filesystem::path dir =
        gameDir.empty() ? defaultDataFolder().parent_path() : std::filesystem::path(gameDir);
    if (!std::filesystem::is_directory(dir, ec))
        return usageError("no such game folder: " + dir.string());
    usePluginFolder(dir);
    velquist::readExtendedSettings();

    std::vector<double> marks;
    if (marksText.empty())
        marks = defaultMarks(*dial);
    else if (!parseList(marksText, marks, dialMarksMax))
        return usageError("--marks takes up to " + std::to_string(dialMarksMax) +
                          " numbers separated by commas, or none");
    if (outFile.empty()) {
        outFile = "dial-" + dialTitle(*dial) + ".png";
        for (char& c : outFile)
            if (c == ' ') c = '-';
    }

    const std::vector<DialNeedle> needles = needlesFor(*dial, marks);
    if (!writeDialPicture(dir, *dial, needles, tint, outFile, error, side)) {
        std::fprintf(stderr, "velquist-sim dial: %s\n", error.c_str());
        return 1;
    }
    // The angles, for a look without the picture: clockwise from straight up.
    const std::string title = dialTitle(*dial);
    const std::string unit = dial->rpm ? "thousand rpm" : title.substr(title.find(' ') + 1);
    for (const DialNeedle& n : needles)
        std::printf("%g %s: %.2f degrees\n", n.mark, unit.c_str(), n.turns * 360.0);
    std::fprintf(stderr, "velquist-sim dial: wrote %s\n", outFile.c_str());
    return 0;
}

}  // namespace sim
