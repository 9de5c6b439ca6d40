// The dial picture for skin makers: one dial face from a game folder with its needle
// drawn at every printed mark, so that one look shows whether the calibration in that
// folder's settingsExtended.ini (velocity faces) or the rpm needle's scaling (rpm faces)
// fits the face.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sim {

struct DialChoice {
    bool rpm = false;
    int face = 0;  // index into catalogue::velocityFaces or catalogue::rpmDials
};

// FAMILY UNIT (Max, CarFast, CarSlow, LinFast, LinSlow; mph, kmh, kno) or "rpm" N (3, 5,
// 6, 8, 9, 10, 12), names without regard to case; nullopt with a message when there is no
// such face.
std::optional<DialChoice> chooseDial(const std::string& first, const std::string& second,
                                     std::string& error);

// The most marks one picture shows: a needle and a label every 4.5 degrees of a dial's
// 270-degree sweep. The default marks of any face are fewer than 16.
constexpr size_t dialMarksMax = 60;

struct DialNeedle {
    double mark;   // speed in the face's unit, or thousands of rpm
    double turns;  // where the needle stands for it
};

// The marks to show: the numbers the default skin prints on that face, and for a velocity
// face its three calibration speeds; sorted, each once. Needs the folder's calibration
// read (usePluginFolder, readExtendedSettings).
std::vector<double> defaultMarks(const DialChoice& dial);

// The needle's angle for each mark, by the calibration in memory.
std::vector<DialNeedle> needlesFor(const DialChoice& dial, const std::vector<double>& marks);

// The face's name for texts, e.g. "CarFast mph" or "rpm 8".
std::string dialTitle(const DialChoice& dial);

// Draws the face of gameDir's data folder, centred on a square picture with room for the
// labels, with the needle tinted in colour (0..1) at every needle, and writes it as PNG:
// at the face's own pixel size, or scaled to `side` pixels square when side > 0.
bool writeDialPicture(const std::filesystem::path& gameDir, const DialChoice& dial,
                      const std::vector<DialNeedle>& needles, const float colour[3],
                      const std::string& outFile, std::string& error, int side = 0);

}  // namespace sim
