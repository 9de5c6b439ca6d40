// Faults of the world around the plug-in, through velquist-sim: a read-only or a missing
// data folder, a disk that fills up while the menu saves, a settings file replaced by a
// folder or held open by another program, images that are no PNG, empty or missing. The
// plug-in keeps running on its defaults and the values in memory, no saved file is ever
// torn, and no file is overwritten with values that were not read from it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "support/menu_session.h"
#include "support/sim_process.h"
#include "support/temp_files.h"

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
    const fs::path dir = temp_files::folderUntilExit();
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
    const fs::path game = temp_files::folderUntilExit();
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
    const fs::path above = fs::path(temp_files::folderUntilExit()) / std::string(200, 'a');
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
    const fs::path shots = temp_files::folderUntilExit();
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

// The player's own files: values set by hand, the rest left out.
const std::string handSetProfile =
    "[OPTICS]\r\nneedleRed=10\r\nneedleGreen=100\r\nneedleBlue=200\r\n"
    "[PLACEMENT]\r\nhudSize=150\r\nmainOffsetX=500\r\n";
const std::string handSetGeneral = "[GENERAL]\r\nmenuKey=10\r\nrefreshInterval=20\r\n";

std::vector<std::string> notifications(const sim_process::Result& r) {
    std::vector<std::string> out;
    for (const Event& e : only(r.trace, "notify"))
        out.push_back(e["text"].str());
    return out;
}

// Another program holds the profile open without sharing from before start-up until the
// player has changed a value in the menu: its values were never read, so the saves of the
// pages left afterwards, which would write the defaults, are skipped; the first says so.
TEST(HeldFiles, ProfileHeldAtStartUpIsNeverOverwritten) {
    const fs::path game = gameFolder();
    const fs::path data = game / "Velquist";
    std::ofstream(data / "settings1.ini", std::ios::binary) << handSetProfile;
    std::ofstream(data / "settingsGeneral.ini", std::ios::binary) << handSetGeneral;
    const auto before = filesIn(data);
    Session menu;
    menu.open().down(6).select().down().right();  // Placement: HUD Size one up
    menu.line("release settings1.ini").back();    // the file is free when the page is left
    menu.up(2).select().right().back().back();    // Optics: Needle Red one up, left too
    const auto r =
        sim_process::run("hold settings1.ini\n" + menu.text(), {"--game", game.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(slurp(data / "settings1.ini"), handSetProfile);
    EXPECT_EQ(notifications(r), std::vector<std::string>{
                                    "settings1.ini could not be read, so changes are not saved."});
    EXPECT_EQ(filesIn(data), before);
}

TEST(HeldFiles, GeneralFileHeldAtStartUpIsNeverOverwritten) {
    const fs::path game = gameFolder();
    const fs::path data = game / "Velquist";
    std::ofstream(data / "settingsGeneral.ini", std::ios::binary) << handSetGeneral;
    const auto r = sim_process::run(
        "hold settingsGeneral.ini\n" +
            Session().open().select().line("release settingsGeneral.ini").back().back().text(),
        {"--game", game.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(slurp(data / "settingsGeneral.ini"), handSetGeneral);
    EXPECT_EQ(notifications(r),
              std::vector<std::string>{
                  "settingsGeneral.ini could not be read, so changes are not saved."});
}

// Released before the menu opens: the file is read then, the menu shows the player's
// values, and leaving a page saves them with the change.
TEST(HeldFiles, ProfileReleasedBeforeTheMenuOpensIsReadThenAndSaved) {
    const fs::path game = gameFolder();
    const fs::path data = game / "Velquist";
    std::ofstream(data / "settings1.ini", std::ios::binary) << handSetProfile;
    const auto r = sim_process::run("hold settings1.ini\nframes 10\nrelease settings1.ini\n" +
                                        saveHudSizeUp().open().down(6).select().run(300).text(),
                                    {"--game", game.string()});
    expectMenuWorksAfterwards(r, "151");
    EXPECT_TRUE(notifications(r).empty());
    const std::string saved = slurp(data / "settings1.ini");
    for (const char* kept : {"needleRed=10;", "needleGreen=100;", "needleBlue=200;", "hudSize=151;",
                             "mainOffsetX=500;", "isEnabledInBic=1;"})
        EXPECT_NE(saved.find(kept), std::string::npos) << kept << " in\n" << saved;
}

TEST(HeldFiles, OnlyAnExistingFileCanBeHeldAndAHeldFileIsNotRewrittenByTheScenario) {
    const fs::path game = gameFolder();
    auto r = sim_process::run("hold settings1.ini\nframes 1\n", {"--game", game.string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.errors.find("cannot hold settings1.ini: no such file"), std::string::npos)
        << r.errors;
    r = sim_process::run("file settings1.ini\nend\nhold settings1.ini\nremove settings1.ini\n",
                         {"--game", game.string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.errors.find("settings1.ini is held: release it first"), std::string::npos)
        << r.errors;
}

// The player's profile of five values and 3.5 KiB of notes: a save of all 39 keys makes it
// cross a page of the disk.
std::string profileWithNotes() {
    std::string text = handSetProfile + "[NOTES]\r\n";
    for (int i = 1; i <= 48; ++i)
        text += "; my notes on the HUD, line " + std::to_string(i) +
                ": the needle colour I like best at night\r\n";
    return text;
}

// Fills the file system of folder until `pages` pages of 4 KiB are left free.
void fillLeaving(const fs::path& folder, int pages) {
    const std::string filler = (folder / "filler").string();
    const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    const std::string page(4096, '\0');
    while (::write(fd, page.data(), page.size()) == static_cast<ssize_t>(page.size())) {
    }
    ::close(fd);
    fs::resize_file(filler, fs::file_size(filler) - static_cast<uintmax_t>(pages) * 4096);
    struct statvfs disk;
    ASSERT_EQ(::statvfs(folder.c_str(), &disk), 0);
    ASSERT_EQ(disk.f_bavail, static_cast<fsblkcnt_t>(pages));
}

// A real full disk: the game folder is a tmpfs of 256 KiB, filled until 0, 1, 2 or 8 pages
// are free, and the menu saves the profile. The save lands whole (every key, the change,
// the player's own lines) or the previous file stays byte for byte; nothing is left beside
// it. Mounting needs root.
TEST(RealFullDisk, ProfileSaveLandsWholeOrLeavesThePreviousFileByteForByte) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a tmpfs needs root";
    const std::string before = profileWithNotes();
    for (int free : {0, 1, 2, 8}) {
        const fs::path game = temp_files::folderUntilExit();
        if (std::system(("mount -t tmpfs -o size=256k velquist-test " + game.string()).c_str()) !=
            0)
            GTEST_SKIP() << "cannot mount a tmpfs here";
        struct Unmount {
            std::string at;
            ~Unmount() { std::system(("umount " + at).c_str()); }
        } unmount{game.string()};
        const fs::path data = game / "Velquist";
        fs::create_directory(data);
        std::ofstream(data / "settings1.ini", std::ios::binary) << before;
        fillLeaving(game, free);

        const auto r =
            sim_process::run(Session().open().down(6).select().down().right().back().back().text(),
                             {"--game", game.string()});
        ASSERT_EQ(r.exitCode, 0) << r.errors;
        const std::string after = slurp(data / "settings1.ini");
        if (after != before) {
            for (const char* kept : {"hudSize=151;", "needleGreen=100;", "isEnabledInBic=1;",
                                     "ledsOffsetY=70;", "line 48: the needle colour"})
                EXPECT_NE(after.find(kept), std::string::npos)
                    << free << " pages free: " << kept << " in\n"
                    << after;
        }
        if (free == 8) {
            EXPECT_NE(after, before) << "with room to spare the save lands";
        }
        EXPECT_EQ(filesIn(data), std::set<std::string>{"settings1.ini"}) << free << " pages free";
    }
}

// FIFOs in place of settings files and of an image: the plug-in's reads, the host's
// texture loading and the picture never wait for a writer. The run is stopped after 60 s
// (it takes about one); the settings behind the FIFOs are never written.
TEST(SpecialFiles, FifosInPlaceOfSettingsFilesAndAnImageNeverBlock) {
    const fs::path game = gameFolder(true);
    const fs::path data = game / "Velquist";
    const fs::path shots = temp_files::folderUntilExit();
    fs::remove(data / "Needles" / "NeedleBigA.png");
    for (const fs::path& fifo :
         {data / "settings1.ini", data / "settingsGeneral.ini", data / "settingsExtended.ini",
          data / "Needles" / "NeedleBigA.png"}) {
        fs::remove(fifo);
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0) << fifo;
    }
    const auto r = sim_process::runWithin(
        60,
        "vehicle adder label=ADDER class=7\nenter adder\nset adder engine=1 speed=20\nrun 500\n"
        "shot cluster.png\n" +
            saveHudSizeUp().text(),
        {"--game", game.string(), "--shots", shots.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;  // -1 when it was stopped
    std::set<std::string> missing;
    for (const Event& t : only(r.trace, "texture"))
        if (t["missing"].boolean) missing.insert(t["path"].str());
    EXPECT_EQ(missing, std::set<std::string>{"Needles\\NeedleBigA.png"});
    EXPECT_GT(fs::file_size(shots / "cluster.png"), 0u);
    EXPECT_EQ(notifications(r),
              (std::vector<std::string>{
                  "settings1.ini could not be read, so changes are not saved.",
                  "settingsGeneral.ini could not be read, so changes are not saved."}));
    EXPECT_TRUE(fs::is_fifo(data / "settings1.ini"));
    EXPECT_TRUE(fs::is_fifo(data / "settingsGeneral.ini"));
}

// A profile that leads to an endless device, and one of 200 MB (sparse): both read as
// unreadable at once, so start-up takes no longer than usual and fills no memory, and
// neither is ever written.
TEST(SpecialFiles, EndlessAndHugeProfilesAreNotReadAndNeverWritten) {
    const fs::path game = gameFolder();
    const fs::path data = game / "Velquist";
    fs::create_symlink("/dev/zero", data / "settings1.ini");
    auto r = sim_process::runWithin(60, saveHudSizeUp().text(), {"--game", game.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(notifications(r), std::vector<std::string>{
                                    "settings1.ini could not be read, so changes are not saved."});
    EXPECT_TRUE(fs::is_symlink(data / "settings1.ini"));

    std::ofstream(data / "settings1.ini.huge", std::ios::binary) << handSetProfile;
    fs::resize_file(data / "settings1.ini.huge", 200'000'000);
    fs::remove(data / "settings1.ini");
    fs::rename(data / "settings1.ini.huge", data / "settings1.ini");
    r = sim_process::runWithin(60, saveHudSizeUp().open().down(6).select().run(300).text(),
                               {"--game", game.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    expectMenuWorksAfterwards(r, "91");  // the default, one up: the file was not read
    EXPECT_EQ(fs::file_size(data / "settings1.ini"), 200'000'000u);
}

// Real failing opens, injected by strace into the system calls: the profile's first 40 opens
// fail with EACCES (start-up's reads fail part-way), or every open of it fails with EMFILE.
// Either way none of the five values set by hand is lost; once the opens work again (when
// the menu opens) the file is read and the change is saved with them.
TEST(RealFailingOpens, ProfileOpensRefusedAtStartUpCostNoValue) {
    if (std::system("command -v strace >/dev/null") != 0) GTEST_SKIP() << "strace is not installed";
    for (const std::string fault : {"EACCES:when=1..40", "EMFILE"}) {
        const fs::path game = gameFolder();
        const fs::path profile = game / "Velquist" / "settings1.ini";
        std::ofstream(profile, std::ios::binary) << handSetProfile;
        // The leak check does not work under a tracer.
        const auto r = sim_process::runUnder(
            "ASAN_OPTIONS=detect_leaks=0 strace -f -qq -o /dev/null -P " + profile.string() +
                " -e trace=openat -e inject=openat:error=" + fault,
            Session().open().down(6).select().down().right().back().back().text(),
            {"--game", game.string()});
        ASSERT_EQ(r.exitCode, 0) << fault << ": " << r.errors;
        const std::string after = slurp(profile);
        for (const char* kept :
             {"needleRed=10", "needleGreen=100", "needleBlue=200", "mainOffsetX=500"})
            EXPECT_NE(after.find(kept), std::string::npos) << fault << ": " << kept << " in\n"
                                                           << after;
        if (fault == "EMFILE") {
            EXPECT_EQ(after, handSetProfile);
        } else {
            EXPECT_NE(after.find("hudSize=151;"), std::string::npos) << after;
        }
    }
}

}  // namespace
