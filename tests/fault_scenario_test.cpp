// Faults of the world around the plug-in, through velquist-sim: a read-only or a missing
// data folder, a disk that fills up while the menu saves, a settings file replaced by a
// folder, images that are no PNG, empty or missing. The plug-in keeps running on its
// defaults and the values in memory, and no saved file is ever torn.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "support/menu_session.h"
#include "support/sim_process.h"

namespace fs = std::filesystem;
using menu_session::lastMenuFrame;
using menu_session::Session;
using menu_session::valueAt;
using trace_reader::Event;
using trace_reader::only;

namespace {

const fs::path shipped = fs::path(VELQUIST_SIM).parent_path() / "Velquist";

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// A game folder with the shipped settings files (and, when asked, every image).
fs::path gameFolder(bool images = false) {
    const fs::path dir = sim_process::makeTempFolder();
    if (images) {
        fs::copy(shipped, dir / "Velquist", fs::copy_options::recursive);
        return dir;
    }
    fs::create_directories(dir / "Velquist");
    for (const char* name : {"settingsBrands.ini", "settingsMaxRpm.ini", "settingsExtended.ini"})
        fs::copy_file(shipped / name, dir / "Velquist" / name);
    return dir;
}

std::set<std::string> filesIn(const fs::path& dir) {
    std::set<std::string> out;
    for (const auto& e : fs::directory_iterator(dir))
        out.insert(e.path().filename().string());
    return out;
}

// Open the menu, go to Placement, HUD Size one up, leave the page (the profile is
// written), open the General page and leave it (the general file is written), close.
Session saveHudSizeUp() {
    return Session().open().down(6).select().down().right().back().up(6).select().back().back();
}

// The menu opens again after the faulty save and shows HUD Size one up in memory.
void expectMenuWorksAfterwards(const sim_process::Result& r, const std::string& hudSize) {
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    long long placement = -1;
    for (const Event& e : only(r.trace, "text"))
        if (e["text"].str() == "Placement" && e["font"].num() == 1) placement = e.f();
    ASSERT_GE(placement, 0) << "the Placement page was shown";
    EXPECT_EQ(valueAt(r.trace, lastMenuFrame(r.trace), "HUD Size"), hudSize);
}

TEST(DataFolderFaults, ReadOnlyFolderSavesNothingAndTheMenuGoesOn) {
    const fs::path game = gameFolder();
    const auto before = filesIn(game / "Velquist");
    const auto r = sim_process::run(
        "disk readonly\n" + saveHudSizeUp().open().down(6).select().run(300).text(),
        {"--game", game.string()});
    expectMenuWorksAfterwards(r, "91");
    EXPECT_EQ(filesIn(game / "Velquist"), before);  // no settings file, no leftover
}

TEST(DataFolderFaults, MissingFolderGivesDefaultsAndIsNeverCreated) {
    const fs::path game = sim_process::makeTempFolder();
    const auto r = sim_process::run("vehicle adder label=ADDER class=7\nenter adder\n" +
                                        saveHudSizeUp().open().down(6).select().run(300).text(),
                                    {"--game", game.string()});
    expectMenuWorksAfterwards(r, "91");  // the default 90, one up
    EXPECT_FALSE(fs::exists(game / "Velquist"));
    // Every image was asked for and is missing; nothing else went wrong.
    const auto textures = only(r.trace, "texture");
    ASSERT_EQ(textures.size(), 151u);
    for (const Event& t : textures)
        EXPECT_TRUE(t["missing"].boolean) << t["path"].str();
}

TEST(DataFolderFaults, PluginPathOf260CharactersOrMoreUsesNoFolderAtAll) {
    // The system cuts the plug-in's name at 259 characters, inside the game folder's name:
    // the cut name's folder is the one above, which holds a data folder of its own.
    const fs::path above = fs::path(sim_process::makeTempFolder()) / std::string(200, 'a');
    const fs::path game = above / std::string(100, 'g');
    ASSERT_LT(above.string().size(), 258u);
    ASSERT_GE((game / "Velquist.asi").string().size(), 260u);
    fs::create_directories(above / "Velquist");
    fs::create_directories(game / "Velquist");
    const std::string menuKeyF5 = "[GENERAL]\r\nmenuKey=5\r\n";
    std::ofstream(above / "Velquist" / "settingsGeneral.ini", std::ios::binary) << menuKeyF5;

    const auto r = sim_process::run(saveHudSizeUp().open().down(6).select().run(300).text(),
                                    {"--game", game.string()});
    expectMenuWorksAfterwards(r, "91");  // opened with F10, the default 90 one up
    EXPECT_EQ(slurp(above / "Velquist" / "settingsGeneral.ini"), menuKeyF5);
    EXPECT_EQ(filesIn(above / "Velquist"), std::set<std::string>{"settingsGeneral.ini"});
    EXPECT_TRUE(filesIn(game / "Velquist").empty());
    for (const Event& t : only(r.trace, "texture"))
        EXPECT_EQ(t["path"].str(), "");
}

TEST(MemoryFaults, AllocationFailingAtStartUpOrInTheMenuLeavesTheGameRunningAndTheHudOff) {
    const auto r = sim_process::runFile("allocation_failure.scn");
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const auto marks = only(r.trace, "mark");
    ASSERT_EQ(marks.size(), 3u);
    const long long startUpFailed = marks[0].f(), menu = marks[1].f(), end = r.trace.back().f();
    std::map<std::string, std::pair<int, int>> counts;  // before the menu, after it
    for (const Event& e : r.trace) {
        auto& c = counts[e.ev()];
        if (e.f() < startUpFailed) ++c.first;
        if (e.f() >= menu) ++c.second;
    }
    // The first life failed at once: no image, no draw, no text, yet half a second of
    // frames went by.
    EXPECT_GT(startUpFailed, 25);
    EXPECT_EQ(counts["texture"].first + counts["draw"].first + counts["text"].first, 0);
    // The second life drew the cluster until the menu's first text failed; from then on
    // nothing is drawn and no control is disabled, while the game runs 70 more frames.
    EXPECT_EQ(only(r.trace, "texture").size(), 151u);
    EXPECT_FALSE(only(r.trace, "draw").empty());
    for (const char* ev : {"draw", "text", "rect", "disable", "sound"})
        EXPECT_EQ(counts[ev].second, 0) << ev;
    EXPECT_GT(end - menu, 70);
    // The script never returned to the host, and both lives ended with the unload.
    EXPECT_TRUE(only(r.trace, "return").empty());
    EXPECT_EQ(only(r.trace, "unregister").size(), 4u);
    EXPECT_EQ(r.trace.back().ev(), "unregister");
}

TEST(DiskFaults, FullDiskDuringAMenuSaveLeavesTheSavedFilesWhole) {
    const fs::path game = gameFolder();
    const fs::path data = game / "Velquist";
    std::ofstream(data / "settings1.ini", std::ios::binary) << "[PLACEMENT]\r\nhudSize=150\r\n";
    std::ofstream(data / "settingsGeneral.ini", std::ios::binary)
        << "[GENERAL]\r\nmenuKey=10\r\nrefreshInterval=20\r\n";
    const std::string profileBefore = slurp(data / "settings1.ini");
    const std::string generalBefore = slurp(data / "settingsGeneral.ini");
    const auto before = filesIn(data);

    auto r =
        sim_process::run("disk full\n" + saveHudSizeUp().open().down(6).select().run(300).text(),
                         {"--game", game.string()});
    expectMenuWorksAfterwards(r, "151");
    EXPECT_EQ(slurp(data / "settings1.ini"), profileBefore);
    EXPECT_EQ(slurp(data / "settingsGeneral.ini"), generalBefore);
    EXPECT_EQ(filesIn(data), before);  // the torn new copies were removed

    // Room again: the next save writes the whole profile.
    r = sim_process::run("disk full\n" + Session().open().down(6).select().down().right().text() +
                             "disk ok\n" + Session().back().back().text(),
                         {"--game", game.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const std::string profile = slurp(data / "settings1.ini");
    EXPECT_NE(profile.find("hudSize=151;"), std::string::npos) << profile;
    EXPECT_NE(profile.find("[TOGGLEHUD]\r\nisEnabledInBic=1;"), std::string::npos) << profile;
}

TEST(DiskFaults, FullDiskLosesAnAccelerationResultButKeepsTheOldOnes) {
    const fs::path game = gameFolder();
    const fs::path data = game / "Velquist";
    std::ofstream(data / "analytics.ini", std::ios::binary) << "[ADDER]\r\n__0-100kmh=5230ms\r\n";
    const auto r = sim_process::run(
        "vehicle adder label=ADDER class=7\nenter adder\nset adder engine=1 speed=0\n" +
            Session().open().up().select().right().back().back().text() +
            "disk full\nset adder speed=10\nrun 1000\nset adder speed=30\nrun 6000\n",
        {"--game", game.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    std::set<std::string> texts;
    for (const Event& e : only(r.trace, "text"))
        texts.insert(e["text"].str());
    EXPECT_EQ(texts.count("Acceleration 0-100kmh:"), 1u);  // the run was timed and shown
    EXPECT_EQ(slurp(data / "analytics.ini"), "[ADDER]\r\n__0-100kmh=5230ms\r\n");
    EXPECT_EQ(filesIn(data).count("analytics.ini"), 1u);
}

TEST(SettingsFileFaults, FolderInPlaceOfTheProfileGivesDefaultsAndStaysAFolder) {
    const fs::path game = gameFolder();
    fs::create_directories(game / "Velquist" / "settings1.ini" / "inside");
    const auto r = sim_process::run(saveHudSizeUp().open().down(6).select().run(300).text(),
                                    {"--game", game.string()});
    expectMenuWorksAfterwards(r, "91");
    EXPECT_TRUE(fs::is_directory(game / "Velquist" / "settings1.ini" / "inside"));
    // The general file is still written.
    EXPECT_NE(slurp(game / "Velquist" / "settingsGeneral.ini").find("actSetting=1;"),
              std::string::npos);
}

TEST(ImageFaults, ImagesThatAreNoPngEmptyOrMissingLoadAndDrawNothing) {
    const fs::path game = gameFolder(true);
    const fs::path shots = sim_process::makeTempFolder();
    const auto r = sim_process::run(
        "file Needles/NeedleBigA.png\nthis is no picture\nend\n"
        "file Shadow/ShadowMain.png\nend\n"
        "remove Damage.png\n"
        "file Velocity/LinKmhFast.png\n\x89PNG\r\n\x1a\ncut short\nend\n"
        "vehicle adder label=ADDER class=7\nenter adder\nset adder engine=1 speed=20\n"
        "set adder health=100\nrun 3000\nshot cluster.png\n",
        {"--game", game.string(), "--shots", shots.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    std::set<std::string> missing;
    for (const Event& t : only(r.trace, "texture"))
        if (t["missing"].boolean) missing.insert(t["path"].str());
    EXPECT_EQ(missing, std::set<std::string>{"Damage.png"});
    EXPECT_GT(fs::file_size(shots / "cluster.png"), 0u);
}

}  // namespace
