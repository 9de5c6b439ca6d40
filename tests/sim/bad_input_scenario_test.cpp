// Bad input from outside the plug-in, through velquist-sim with every trace line checked
// against the invariants: values from the game that are no numbers, infinite, negative or
// huge; a screen of no size; key codes from 255 on and keys never let go; brand names that
// are paths or far too long.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "robustness/checked_run.h"
#include "support/menu_session.h"
#include "support/sim_process.h"
#include "support/temp_files.h"

namespace fs = std::filesystem;
using menu_session::frameEvents;
using menu_session::Session;
using trace_reader::Event;
using trace_reader::only;

namespace {

// Runs the scenario with its trace piped into the invariant checker.
trace_check::Checker checkedRun(const std::string& scenario) {
    const fs::path work = temp_files::folderUntilExit();
    std::ofstream(work / "bad.scn", std::ios::binary) << scenario;
    trace_check::Checker checker;
    const auto outcome =
        trace_check::runChecked(VELQUIST_SIM, {(work / "bad.scn").string()}, 300, checker);
    EXPECT_TRUE(outcome.ok()) << outcome.describe() << "\n" << outcome.errors;
    EXPECT_EQ(checker.violationCount(), 0u)
        << (checker.violations().empty() ? "" : checker.violations().front().what);
    return checker;
}

TEST(GameValueInput, NoNumbersInfinitiesNegativeAndHugeValuesKeepEveryFrameSound) {
    std::string s =
        "vehicle car label=ADDER class=7\nvehicle heli label=BUZZARD class=15\n"
        "vehicle boat label=JETMAX class=14\nvehicle odd label=null class=-5\n"
        "deco car CokeInPossession=nan\ndeco car MethInPossession=inf\n"
        "deco car hunt_score=2147483647\ndeco car hunt_weapon=-1\n"
        "set car colour=255,255,0\n";
    for (const char* v : {"nan", "inf", "-inf", "-50", "3.4e38", "-3.4e38", "1e-40", "0"}) {
        for (const char* who : {"car", "heli", "boat", "odd"}) {
            s += std::string("enter ") + who + "\n";
            s += std::string("set ") + who + " engine=1 speed=" + v + " vel=" + v + "," + v + "," +
                 v + " rpm=" + v + " throttle=" + v + " health=" + v + " gear=65535\nrun 400\n";
        }
    }
    s += "leave\nrun 600\n";
    const auto checker = checkedRun(s);
    EXPECT_GT(checker.lines(), 100u);
}

TEST(ScreenInput, GameWithoutAScreenSizeGetsTheMenuLaidOutForTheCommonScreen) {
    const auto r = sim_process::run("screen 0 0\n" + Session().open().text());
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const auto rects = only(frameEvents(r.trace, 2), "rect");
    ASSERT_EQ(rects.size(), 9u);
    EXPECT_NEAR(rects[1]["centre"][0].num(), 125.0 / 1920, 1e-6);
    EXPECT_NEAR(rects[1]["centre"][1].num(), (60 + 29.75 / 2) / 1080, 1e-6);
    const auto texts = only(frameEvents(r.trace, 2), "text");
    EXPECT_NEAR(texts[4]["scale"].num(), 0.35 * 900 / 1080, 1e-5);
    // A height of 0 alone is no size either.
    checkedRun("screen 1920 0\n" + Session().open().down().select().run(500).text());
}

TEST(KeyInput, CodesFrom255OnChangeNothingAndAKeyNeverLetGoActsFor5Seconds) {
    // Codes the key table has no room for, around a menu opened with F10.
    std::string s = "frames 1\nkey 255 down\nkey 65535 down\nkey 0x1FF up\nkey 0x00 down\n" +
                    Session().open().text();
    // Down held without a release, with no repeats: a move every wait for 5 s, then none.
    s += "key NUMPAD2 down\nrun 7000\n";
    const auto r = sim_process::run(s);
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const auto sounds = only(r.trace, "sound");
    ASSERT_GE(sounds.size(), 2u);
    // The key event comes after the opening tap: its frame and 250 ms.
    const long long pressed = sounds[0].f() + 17;
    long long moves = 0, last = 0;
    for (const Event& e : sounds)
        if (e.f() > pressed) {
            ++moves;
            last = e.f();
        }
    // 5000 ms of a held key, a move every 150 ms wait (10 frames of 16 ms, then the poll).
    EXPECT_GE(moves, 29);
    EXPECT_LE(moves, 32);
    EXPECT_LE((last - pressed) * 16, 5000);
    EXPECT_GE((last - pressed) * 16, 4700);
    EXPECT_GT(r.trace.back().f() - last, 100);  // nothing after it, and the menu stays open
    EXPECT_EQ(menu_session::titleAt(r.trace, r.trace.back().f()), "Velquist v1.2.3e");
}

TEST(BrandTableInput, NamesThatArePathsOrFarTooLongAreAskedForAsGiven) {
    const auto r = sim_process::run(
        "file settingsBrands.ini\n[BRAND]\nbrand0=..\\..\\..\\outside\nbrand1=" +
        std::string(300, 'B') + "\nbrand2=a/b:c*?\n[LIVERY]\nADDER=" + std::string(300, 'B') +
        "\nend\nvehicle car label=ADDER class=7\nenter car\nrun 500\n");
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const auto textures = only(r.trace, "texture");
    ASSERT_EQ(textures.size(), 151u);
    EXPECT_EQ(textures[51]["path"].str(), "Brands\\..\\..\\..\\outside.png");
    EXPECT_EQ(textures[52]["path"].str(), "Brands\\" + std::string(63, 'B') + ".png");
    EXPECT_EQ(textures[53]["path"].str(), "Brands\\a/b:c*?.png");
    for (size_t i = 51; i < 54; ++i)
        EXPECT_TRUE(textures[i]["missing"].boolean);
}

}  // namespace
