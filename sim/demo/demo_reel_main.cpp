// velquist-demo-reel OUTDIR FRAME.png...: puts the demo's frames together into
// OUTDIR/contact-sheet.png and OUTDIR/demo.gif.
#include <cstdio>
#include <string>
#include <vector>

#include "demo/demo_reel.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: velquist-demo-reel OUTDIR FRAME.png...\n");
        return 2;
    }
    const std::string outDir = argv[1];
    const std::vector<std::string> frames(argv + 2, argv + argc);
    const sim::demo::ReelOptions options;
    std::string error;
    if (!sim::demo::writeContactSheet(frames, outDir + "/contact-sheet.png", options, error) ||
        !sim::demo::writeAnimatedGif(frames, outDir + "/demo.gif", options, error)) {
        std::fprintf(stderr, "velquist-demo-reel: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
