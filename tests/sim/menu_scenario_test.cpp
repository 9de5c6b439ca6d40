// The menu in use, through velquist-sim: opening and closing, drawing, navigation and
// stepping, saving when a page is left, help boxes, subtitles and reloads.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/natives.h"
#include "support/menu_session.h"
#include "support/sim_process.h"
#include "support/temp_files.h"

namespace fs = std::filesystem;
using menu_session::highlightedAt;
using menu_session::lastMenuFrame;
using menu_session::Session;
using menu_session::titleAt;
using menu_session::valueAt;
using trace_reader::Event;
using trace_reader::only;

namespace {

const std::string rootTitle = "Velquist v1.2.3e";

// A game folder with the default data folder's shipped files and nothing else.
fs::path gameFolder() {
    const fs::path dir = temp_files::folderUntilExit();
    fs::create_directories(dir / "Velquist");
    const fs::path shipped = fs::path(VELQUIST_SIM).parent_path() / "Velquist";
    for (const char* name : {"settingsBrands.ini", "settingsMaxRpm.ini", "settingsExtended.ini"})
        fs::copy_file(shipped / name, dir / "Velquist" / name);
    return dir;
}

std::vector<long long> framesOf(const std::vector<Event>& events) {
    std::vector<long long> out;
    for (const Event& e : events)
        out.push_back(e.f());
    return out;
}

bool anyInFrames(const std::vector<Event>& events, long long from, long long to) {
    for (const Event& e : events)
        if (e.f() >= from && e.f() <= to) return true;
    return false;
}

TEST(MenuOpening, FunctionKeyStillHeldAtTheFirstPollClosesTheMenuThenItReopens) {
    const auto r = sim_process::run("frames 1\nkey F10 down\nrun 450\nkey F10 up\nrun 100\n");
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    // One sound on opening (frame 1); the poll 150 ms later (frame 11) finds F10 held,
    // which also means back: a sound and the menu closes. The key is not tested for
    // 200 ms (13 frames), then the next pass opens the menu again.
    EXPECT_EQ(framesOf(only(r.trace, "sound")), (std::vector<long long>{1, 11, 25}));
    EXPECT_EQ(titleAt(r.trace, 1), rootTitle);
    EXPECT_EQ(titleAt(r.trace, 10), rootTitle);
    EXPECT_EQ(titleAt(r.trace, 11), "");
    const auto disabled = only(r.trace, "disable");
    EXPECT_TRUE(anyInFrames(disabled, 1, 10));
    EXPECT_FALSE(anyInFrames(disabled, 11, 24));  // none while the key is left untested
    EXPECT_TRUE(anyInFrames(disabled, 25, 25));
}

TEST(MenuOpening, ReleasedFunctionKeyLeavesTheMenuOpenUntilBack) {
    const auto r = sim_process::run(Session().open().back().run(300).text());
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(only(r.trace, "sound").size(), 2u);  // open, back
    const long long last = lastMenuFrame(r.trace);
    EXPECT_GT(last, 15);
    EXPECT_FALSE(anyInFrames(only(r.trace, "disable"), last + 1, 1000000));
}

TEST(MenuOpening, ScriptRestartedWithTheMenuOpenStartsWithTheMenuClosed) {
    const auto r = sim_process::runFile("script_restart.scn");
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const auto marks = only(r.trace, "mark");
    ASSERT_EQ(marks.size(), 2u);
    const long long restart = marks[0].f(), reopen = marks[1].f();
    const auto disabled = only(r.trace, "disable");
    // The menu was open with its second line highlighted when the host restarted the script.
    EXPECT_TRUE(anyInFrames(disabled, restart - 1, restart - 1));
    EXPECT_EQ(highlightedAt(r.trace, restart - 1, 1080), 1);
    // The new run draws the cluster with every control enabled, and its menu opens on the
    // first line.
    EXPECT_FALSE(anyInFrames(disabled, restart, reopen - 1));
    EXPECT_TRUE(anyInFrames(only(r.trace, "draw"), reopen - 1, reopen - 1));
    EXPECT_EQ(titleAt(r.trace, reopen + 1), rootTitle);
    EXPECT_EQ(highlightedAt(r.trace, reopen + 1, 1080), 0);
}

TEST(MenuDrawing, RootLinesAtTheirPixelsOnTwoResolutions) {
    auto r = sim_process::run(Session().open().text());
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const auto frame = menu_session::frameEvents(r.trace, 2);
    const auto rects = only(frame, "rect");
    ASSERT_EQ(rects.size(), 9u);  // title and eight pages
    EXPECT_NEAR(rects[1]["centre"][0].num(), 125.0 / 1920, 1e-6);
    EXPECT_NEAR(rects[1]["centre"][1].num(), (60 + 29.75 / 2) / 1080, 1e-6);
    EXPECT_NEAR(rects[1]["size"][0].num(), 240.0 / 1920, 1e-6);
    EXPECT_NEAR(rects[1]["size"][1].num(), 29.75 / 1080, 1e-6);
    EXPECT_EQ(rects[1]["rgba"][0].num(), 235);  // item 0 is highlighted
    EXPECT_EQ(rects[2]["rgba"][3].num(), 235);  // the others are grey, alpha 235
    const auto texts = only(frame, "text");
    EXPECT_EQ(texts[2]["text"].str(), "General");
    EXPECT_NEAR(texts[4]["scale"].num(), 0.35 * 900 / 1080, 1e-5);  // "Toggle HUD"

    r = sim_process::run("screen 1600 900\n" + Session().open().text());
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const auto small = only(menu_session::frameEvents(r.trace, 2), "text");
    EXPECT_EQ(small[4]["scale"].num(), 0.35);
    EXPECT_EQ(small[2]["scale"].num(), 0.37);  // the highlighted line
}

TEST(MenuNavigation, WrapsAtBothEndsAndUpWithDownStays) {
    const auto r = sim_process::run(Session()
                                        .open()
                                        .up()
                                        .line("run 0")
                                        .down()
                                        .line("key NUMPAD8 down\nkey NUMPAD2 down\nframes 1")
                                        .line("key NUMPAD8 up\nkey NUMPAD2 up\nrun 250")
                                        .text());
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const auto sounds = only(r.trace, "sound");
    ASSERT_EQ(sounds.size(), 5u);  // open, up, down, and two for up and down together
    EXPECT_EQ(sounds[3].f(), sounds[4].f());
    EXPECT_EQ(highlightedAt(r.trace, sounds[1].f()), 7);  // up on 0: the last page
    EXPECT_EQ(highlightedAt(r.trace, sounds[2].f()), 0);  // down on the last: the first
    EXPECT_EQ(highlightedAt(r.trace, lastMenuFrame(r.trace)), 0);
}

TEST(MenuStepping, ValuesWrapAtBothEnds) {
    const fs::path game = gameFolder();
    std::ofstream(game / "Velquist" / "settings1.ini") << "[PLACEMENT]\nledsOffsetX=1000\n";
    // Toggle HUD: "Bicycle" [ON] -> right -> [OFF]. Placement: "RPM LEDs Offset X" 1000 ->
    // right -> -1000.
    Session s;
    s.open().down().select().right().back().down(5).select().down(4).right();
    const auto r = sim_process::run(s.text(), {"--game", game.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const long long last = lastMenuFrame(r.trace);
    EXPECT_EQ(titleAt(r.trace, last), "Placement");
    EXPECT_EQ(highlightedAt(r.trace, last), 4);
    EXPECT_EQ(valueAt(r.trace, last, "RPM LEDs Offset X"), "-1000");
    // Inside a page the controls stay disabled on every frame, all 18 in order.
    const auto disabled = only(menu_session::frameEvents(r.trace, last), "disable");
    ASSERT_EQ(disabled.size(), 18u);
    EXPECT_EQ(disabled.front()["control"].num(), 21);
    EXPECT_EQ(disabled.back()["control"].num(), 48);
    // The Toggle HUD page was saved when it was left.
    EXPECT_NE(temp_files::readFile(game / "Velquist" / "settings1.ini").find("isEnabledInBic=0;"),
              std::string::npos);
}

TEST(MenuSaving, LeavingOpticsWritesTheActiveProfileAndAnalyticsWritesNothing) {
    const fs::path game = gameFolder();
    // Analytics (up from the first page): change the test mode and leave: no file.
    Session s;
    s.open().up().select().right().back();
    auto r = sim_process::run(s.text(), {"--game", game.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_FALSE(fs::exists(game / "Velquist" / "settings1.ini"));
    EXPECT_FALSE(fs::exists(game / "Velquist" / "settingsGeneral.ini"));

    // Optics: "Needle Red" 255 -> right wraps to 0; leaving writes every key of the profile.
    Session optics;
    optics.open().down(4).select().down().right().back();
    r = sim_process::run(optics.text(), {"--game", game.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const std::string written = temp_files::readFile(game / "Velquist" / "settings1.ini");
    EXPECT_NE(written.find("needleRed=0;\t\tStandard needle color red\t\t\t(255) < 0-255>"),
              std::string::npos)
        << written;
    EXPECT_NE(written.find("[PLACEMENT]"), std::string::npos);
    EXPECT_NE(written.find("hudSize=90;"), std::string::npos);
}

TEST(MenuSaving, ActiveSettingSwitchSavesTheOldProfileAndLoadsDefaults) {
    const fs::path game = gameFolder();
    std::ofstream(game / "Velquist" / "settings1.ini") << "[PLACEMENT]\nhudSize=150\n";
    // General: "Active Setting" 1 -> 2, while staying on the page.
    Session s;
    s.open().select().down(3).right();
    auto r = sim_process::run(s.text(), {"--game", game.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(valueAt(r.trace, lastMenuFrame(r.trace), "Active Setting"), "2");
    // Profile 1 was saved in full at once; the general file waits for the page to be left.
    const std::string one = temp_files::readFile(game / "Velquist" / "settings1.ini");
    EXPECT_NE(one.find("hudSize=150;"), std::string::npos);
    EXPECT_NE(one.find("isEnabledInBic=1;"), std::string::npos);
    EXPECT_FALSE(fs::exists(game / "Velquist" / "settings2.ini"));
    EXPECT_FALSE(fs::exists(game / "Velquist" / "settingsGeneral.ini"));

    // Again, then leave General and open Placement: profile 2 holds the defaults.
    Session again;
    again.open().select().down(3).right().back().down(6).select();
    r = sim_process::run(again.text(), {"--game", game.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(valueAt(r.trace, lastMenuFrame(r.trace), "HUD Size"), "90");
    EXPECT_NE(temp_files::readFile(game / "Velquist" / "settingsGeneral.ini").find("actSetting=2;"),
              std::string::npos);
}

TEST(MenuHelp, SelectHeldShowsTheItemsHelpBlock) {
    // General, "Menu Key" (item 4): select held for a while.
    Session s;
    s.open().select().down(4).line("press NUMPAD5 100");
    auto r = sim_process::run(s.text());
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const long long f = lastMenuFrame(r.trace);
    const auto frame = menu_session::frameEvents(r.trace, f);
    std::vector<Event> boxRows, helpTexts;
    for (const Event& e : only(frame, "rect"))
        if (e["rgba"][3].num() == 160) boxRows.push_back(e);
    ASSERT_EQ(boxRows.size(), 10u);
    const auto texts = only(frame, "text");
    for (size_t i = 0; i < texts.size(); ++i)
        if (texts[i]["pos"][0].num() > 260.0 / 1920) helpTexts.push_back(texts[i]);
    ASSERT_EQ(helpTexts.size(), 10u);
    EXPECT_EQ(helpTexts[0]["text"].str(), "Choose the F-Key for opening the mod menu to avoid");
    EXPECT_EQ(helpTexts[1]["text"].str(), "conflicts with other mods.");
    for (size_t i = 2; i < 10; ++i)
        EXPECT_EQ(helpTexts[i]["text"].str(), "");

    // Analytics items have no help: no box.
    Session analytics;
    analytics.open().up().select().line("press NUMPAD5 100");
    r = sim_process::run(analytics.text());
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    for (const Event& e : only(r.trace, "rect"))
        EXPECT_NE(e["rgba"][3].num(), 160);
}

TEST(MenuFeatures, SubtitlesNameTheLiveryWhileRpmOrBrandIsHighlighted) {
    Session s;
    s.line("vehicle adder label=ADDER class=7\nenter adder\nrun 100");
    s.open().down(3).select().down(4);
    const auto r = sim_process::run(s.text());
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const auto subtitles = only(r.trace, "subtitle");
    ASSERT_FALSE(subtitles.empty());
    EXPECT_EQ(subtitles.front()["text"].str(), "Livery: ADDER Max Rpm: 70");
    EXPECT_EQ(subtitles.front()["ms"].num(), 50);
    EXPECT_EQ(subtitles.back()["text"].str(), "Livery: ADDER Brand: Truffade");
    // One subtitle on every frame of the page while an item with one is highlighted.
    const long long last = lastMenuFrame(r.trace);
    EXPECT_EQ(subtitles.back().f(), last);
}

TEST(MenuReloads, ImagesAndExtendedSettingsReloadWithANotification) {
    Session s;
    s.open().select().down().right().down().right();
    const auto r = sim_process::run(s.text());
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const auto notes = only(r.trace, "notify");
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0]["text"].str(), "Reloaded the speedo images.");
    EXPECT_EQ(notes[1]["text"].str(), "Reloaded settingsExtended.ini");
    // Every image again, with new ids: 151 at start-up, 151 more on the reload.
    const auto textures = only(r.trace, "texture");
    ASSERT_EQ(textures.size(), 302u);
    EXPECT_EQ(textures[151]["id"].num(), 152);
    EXPECT_EQ(textures[151]["path"].str(), textures[0]["path"].str());
    EXPECT_EQ(textures[151].f(), notes[0].f());
}

TEST(MenuKey, SettingFromTheFileAndFromTheMenu) {
    const fs::path game = gameFolder();
    std::ofstream(game / "Velquist" / "settingsGeneral.ini") << "[GENERAL]\nmenuKey=8\n";
    auto r = sim_process::run(Session().tap("F10").tap("F8").text(), {"--game", game.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const auto sounds = only(r.trace, "sound");
    ASSERT_EQ(sounds.size(), 1u);  // F10 did nothing; F8 opened the menu
    EXPECT_GT(sounds[0].t(), 100016 + 250);

    // In the menu: "Menu Key" 8 -> left -> 7; leave General; close; F7 opens the menu.
    Session s;
    s.tap("F8").select().down(4).left().back().back().run(300).tap("F7");
    r = sim_process::run(s.text(), {"--game", game.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_NE(temp_files::readFile(game / "Velquist" / "settingsGeneral.ini").find("menuKey=7;"),
              std::string::npos);
    EXPECT_EQ(titleAt(r.trace, lastMenuFrame(r.trace)), rootTitle);
    // open, select, four moves, left, back, back, and the second opening
    EXPECT_EQ(only(r.trace, "sound").size(), 10u);
}

TEST(MenuAnalytics, AccelerationRunOnceThenDisarmed) {
    const fs::path game = gameFolder();
    Session s;
    // Arm the test once (0-100 in the car's unit, km/h), then drive off.
    s.line("vehicle adder label=ADDER class=7\nenter adder\nrun 100");
    s.open().up().select().right().back().back();
    s.line("drive adder throttle=1").run(12000).line("drive adder off");
    s.line("set adder speed=0 engine=1").run(6000);
    s.open().select();  // the root remembers Analytics
    const auto r = sim_process::run(s.text(), {"--game", game.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;

    // The result: analytics.ini under the livery, the time in ms.
    const std::string analytics = temp_files::readFile(game / "Velquist" / "analytics.ini");
    ASSERT_NE(analytics.find("[ADDER]"), std::string::npos) << analytics;
    const size_t key = analytics.find("__0-100kmh=");
    ASSERT_NE(key, std::string::npos) << analytics;
    const int ms = std::stoi(analytics.substr(key + 11));
    EXPECT_GT(ms, 2000);
    EXPECT_LT(ms, 12000);
    EXPECT_NE(analytics.find("ms", key + 11), std::string::npos);

    // The overlay: the label with a live timer, then the result for 5 s, then nothing.
    std::vector<Event> labels;
    for (const Event& e : only(r.trace, "text"))
        if (e["text"].str() == "Acceleration 0-100kmh:") labels.push_back(e);
    ASSERT_FALSE(labels.empty());
    const long long shownFor = labels.back().t() - labels.front().t();
    EXPECT_GE(shownFor, ms + 5000 - 50);
    EXPECT_LE(shownFor, ms + 5000 + 50);
    // The cells of the last overlay frame spell the result.
    std::string cells;
    const auto last = menu_session::frameEvents(r.trace, labels.back().f());
    bool after = false;
    int taken = 0;
    for (const Event& e : only(last, "text")) {
        if (e["text"].str() == "Acceleration 0-100kmh:") {
            after = true;
            continue;
        }
        if (after && taken < 7) {
            cells += e["text"].str();
            ++taken;
        }
    }
    char expected[16];
    std::snprintf(expected, sizeof expected, "%d.%02ds", ms / 1000, ms / 10 % 100);
    EXPECT_EQ(cells, expected);
    // "[ONCE]" disarmed itself.
    EXPECT_EQ(valueAt(r.trace, lastMenuFrame(r.trace), "Acceleration Test"), "[OFF]");
}

TEST(MenuGeneral, ModOffStopsTheRefreshButNotTheMenu) {
    // "Mod" -> [OFF]; the menu keeps working and disabling controls; the HUD refresh (its
    // sampling natives) stops.
    Session s;
    s.open().select().right().back().back().run(500).open();
    const auto r = sim_process::run(s.text(), {"--natives"});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    long long lastSample = -1;
    for (const Event& e : trace_reader::nativeCalls(r.trace, velquist::natives::playerId))
        lastSample = e.f();
    ASSERT_GT(lastSample, 0);
    const auto sounds = only(r.trace, "sound");
    const long long modOff = sounds[2].f();  // open, select, right
    EXPECT_LE(lastSample, modOff);
    EXPECT_EQ(titleAt(r.trace, lastMenuFrame(r.trace)), rootTitle);
    EXPECT_EQ(only(r.trace, "disable").back().f(), lastMenuFrame(r.trace));
}

}  // namespace
