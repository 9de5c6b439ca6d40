// The demo's pictures put together: a contact sheet of every frame and an animated GIF.
#pragma once

#include <string>
#include <vector>

namespace sim::demo {

struct ReelOptions {
    int columns = 4;       // contact sheet: thumbnails per row
    int thumbWidth = 480;  // px of one thumbnail
    int gifWidth = 960;    // px of the GIF's frames (height keeps the aspect)
    int gifDelay = 40;     // hundredths of a second per GIF frame
};

// Writes a contact sheet (PNG) of the frames, in order, each captioned with its file name.
bool writeContactSheet(const std::vector<std::string>& frames, const std::string& out,
                       const ReelOptions& options, std::string& error);

// Writes an animated, looping GIF of the frames, in order, each with a palette of its own.
bool writeAnimatedGif(const std::vector<std::string>& frames, const std::string& out,
                      const ReelOptions& options, std::string& error);

}  // namespace sim::demo
