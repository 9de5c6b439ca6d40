// The images behind velquist-sim's pictures, through whole runs: an image whose header says
// 20000 x 20000 px is left out of the picture at once, as a missing one is, and twenty image
// reloads with a picture after each keep the memory where it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/huge_png.h"
#include "support/menu_session.h"
#include "support/sim_process.h"
#include "support/temp_files.h"

namespace fs = std::filesystem;
using menu_session::Session;
using trace_reader::Event;
using trace_reader::only;

namespace {

const fs::path shipped = fs::path(VELQUIST_SIM).parent_path() / "Velquist";

// A game folder with every shipped file.
fs::path gameCopy() {
    const fs::path dir = temp_files::folderUntilExit();
    fs::copy(shipped, dir / "Velquist", fs::copy_options::recursive);
    return dir;
}

// The cluster of a car, faded in, then a picture.
const std::string carPicture =
    "vehicle adder label=ADDER class=7\nenter adder\nset adder engine=1 speed=20\nrun 3000\n"
    "shot cluster.png\n";

TEST(PictureImages, ImageOfTwentyThousandPixelsASideIsLeftOutAtOnce) {
    const fs::path huge = gameCopy(), missing = gameCopy();
    const fs::path image = fs::path("Velocity") / "CarKmhSlow.png";
    huge_png::write(huge / "Velquist" / image, 20000, 20000);
    fs::remove(missing / "Velquist" / image);
    const fs::path hugeShots = temp_files::folderUntilExit();
    const fs::path missingShots = temp_files::folderUntilExit();
    // Decoded, it would be 1.6 GB and seconds of work for each of its texture ids.
    const auto r = sim_process::runWithin(60, carPicture,
                                          {"--game", huge.string(), "--shots", hugeShots.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;  // -1 when it was stopped after 60 s
    const auto m = sim_process::run(carPicture,
                                    {"--game", missing.string(), "--shots", missingShots.string()});
    ASSERT_EQ(m.exitCode, 0) << m.errors;
    // The image's dial is drawn, and the picture is the one without its file.
    bool drawn = false;
    for (const Event& d : only(r.trace, "draw"))
        drawn = drawn || d["tex"].str() == "Velocity\\CarKmhSlow.png";
    EXPECT_TRUE(drawn);
    const std::string picture = temp_files::readFile(hugeShots / "cluster.png");
    EXPECT_FALSE(picture.empty());
    EXPECT_TRUE(picture == temp_files::readFile(missingShots / "cluster.png"))
        << "the picture differs from the one without the image";
}

TEST(PictureImages, TwentyImageReloadsWithAPictureAfterEachKeepTheMemoryFlat) {
    // General page, Reload Images; then a reload, a picture and the memory, twenty times.
    Session s;
    s.line("vehicle adder label=ADDER class=7\nenter adder\nset adder engine=1 speed=20")
        .run(3000)
        .open()
        .select()
        .down();
    s.line("repeat 20").right().line("shot cluster.png\nmemory\ndone");
    const fs::path shots = temp_files::folderUntilExit();
    // A small quarantine of freed blocks, so that the resident set shows what is held.
    const auto r = sim_process::runUnder("ASAN_OPTIONS=quarantine_size_mb=8", s.text(),
                                         {"--shots", shots.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    ASSERT_EQ(only(r.trace, "notify").size(), 20u);
    const auto samples = only(r.trace, "memory");
    ASSERT_EQ(samples.size(), 20u);
    // The last picture shows the cluster of the newest ids, drawn in the frame before it.
    const auto textures = only(r.trace, "texture");
    ASSERT_EQ(textures.size(), 151u * 21);
    const double newest = textures[151 * 20]["id"].num();
    long long newestDrawnAt = -1;
    for (const Event& d : only(r.trace, "draw"))
        if (d["id"].num() >= newest) newestDrawnAt = d.f();
    EXPECT_EQ(newestDrawnAt, samples.back().f() - 1);
    // From the second reload on: the host's record of each new texture id (56 bytes), and
    // nothing of the images.
    const Event& first = samples[1];
    const Event& last = samples.back();
    const double ids = 151.0 * 18;
    EXPECT_LE(last["heap"].num() - first["heap"].num(), 64 * ids + 64 * 1024);
    EXPECT_LE(last["rss"].num() - first["rss"].num(), 8 * 1024);  // KiB
}

}  // namespace
