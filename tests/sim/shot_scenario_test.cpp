// The shot command: velquist-sim writes the screen as a PNG file into the shots folder
// and traces it.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "support/sim_process.h"
#include "support/temp_files.h"

namespace fs = std::filesystem;
using trace_reader::only;

namespace {

// Width and height from a PNG file's header; zeros when it is not a PNG.
std::pair<uint32_t, uint32_t> pngSize(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    unsigned char b[24] = {};
    if (!in.read(reinterpret_cast<char*>(b), sizeof b) || b[1] != 'P' || b[2] != 'N' || b[3] != 'G')
        return {0, 0};
    auto be32 = [&](int at) {
        return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 |
               b[at + 3];
    };
    return {be32(16), be32(20)};
}

TEST(ShotScenarioTest, WritesThePictureIntoTheShotsFolderAndTracesIt) {
    const fs::path shots = temp_files::folderUntilExit();
    const auto r =
        sim_process::run("screen 640 360\nrun 100\nshot first.png\nrun 16\nshot sub\\second.png\n",
                         {"--shots", shots.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(pngSize(shots / "first.png"), std::make_pair(640u, 360u));
    EXPECT_EQ(pngSize(shots / "sub" / "second.png"), std::make_pair(640u, 360u));
    const auto events = only(r.trace, "shot");
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0]["file"].str(), "first.png");
    EXPECT_EQ(events[1]["file"].str(), "sub\\second.png");
    EXPECT_EQ(events[1].t(), events[0].t() + 16);
}

TEST(ShotScenarioTest, APictureBeforeThePluginLoadsShowsTheBackdrop) {
    const fs::path shots = temp_files::folderUntilExit();
    const auto r = sim_process::run("shot plain.png\n", {"--shots", shots.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(pngSize(shots / "plain.png"), std::make_pair(1920u, 1080u));
}

TEST(ShotScenarioTest, APathOutsideTheShotsFolderIsABadScenario) {
    const fs::path shots = temp_files::folderUntilExit();
    for (const char* bad : {"shot ../out.png\n", "shot /tmp/out.png\n", "shot\n", "shot a b\n"}) {
        const auto r = sim_process::run(std::string("run 16\n") + bad, {"--shots", shots.string()});
        EXPECT_EQ(r.exitCode, 2) << bad;
        EXPECT_NE(r.errors.find("test.scn:2:"), std::string::npos) << r.errors;
        EXPECT_TRUE(r.trace.empty());
    }
}

TEST(ShotScenarioTest, AnUnwritableShotsFolderFailsTheRun) {
    const fs::path shots = temp_files::folderUntilExit();
    std::ofstream(shots / "taken") << "a file where a folder should be";
    const auto r = sim_process::run("run 16\nshot taken/x.png\n", {"--shots", shots.string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.errors.find("cannot write"), std::string::npos) << r.errors;
    EXPECT_TRUE(only(r.trace, "shot").empty());
}

}  // namespace
