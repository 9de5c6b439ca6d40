// velquist-demo-reel [--thumb PX] OUTDIR FRAME.png...: puts the demo's frames together into
// OUTDIR/contact-sheet.png (thumbnails PX wide, default 480) and OUTDIR/demo.gif.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "demo/demo_reel.h"

int main(int argc, char** argv) {
    sim::demo::ReelOptions options;
    int first = 1;
    if (argc > 2 && std::string(argv[1]) == "--thumb") {
        options.thumbWidth = std::atoi(argv[2]);
        first = 3;
    }
    if (argc - first < 2 || options.thumbWidth < 16 || options.thumbWidth > 4096) {
        std::fprintf(stderr, "usage: velquist-demo-reel [--thumb PX] OUTDIR FRAME.png...\n");
        return 2;
    }
    const std::string outDir = argv[first];
    const std::vector<std::string> frames(argv + first + 1, argv + argc);
    std::string error;
    if (!sim::demo::writeContactSheet(frames, outDir + "/contact-sheet.png", options, error) ||
        !sim::demo::writeAnimatedGif(frames, outDir + "/demo.gif", options, error)) {
        std::fprintf(stderr, "velquist-demo-reel: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
