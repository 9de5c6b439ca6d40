// The scenario language's reader and the trace's value formats, called directly.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

#include "core/virtual_keys.h"
#include "scenario/scenario.h"
#include "trace/trace.h"
#include "world/world_commands.h"

using namespace sim;

namespace {

std::string parseError(const std::string& text) {
    std::vector<Command> commands;
    std::string error;
    EXPECT_FALSE(parseScenario(text, "s.scn", commands, error));
    EXPECT_TRUE(commands.empty());
    return error;
}

std::vector<Command> parseOk(const std::string& text) {
    std::vector<Command> commands;
    std::string error;
    EXPECT_TRUE(parseScenario(text, "s.scn", commands, error)) << error;
    return commands;
}

TEST(ScenarioReader, SkipsCommentsAndBlankLinesAndKeepsLineNumbers) {
    const auto cmds = parseOk("# a comment\n\n  screen 1600 900  # trailing\r\nrun 100\n");
    ASSERT_EQ(cmds.size(), 2u);
    EXPECT_EQ(cmds[0].name, "screen");
    EXPECT_EQ(cmds[0].line, 3);
    EXPECT_EQ(cmds[0].words, (std::vector<std::string>{"1600", "900"}));
    EXPECT_EQ(cmds[1].line, 4);
}

TEST(ScenarioReader, FileBodyIsKeptAsWrittenUpToEnd) {
    const auto cmds = parseOk(
        "file settingsGeneral.ini\n[GENERAL]\n; comment # kept\n  menuKey = 8\n\n  end  \nrun 1\n");
    ASSERT_EQ(cmds.size(), 2u);
    EXPECT_EQ(cmds[0].body,
              (std::vector<std::string>{"[GENERAL]", "; comment # kept", "  menuKey = 8", ""}));
    EXPECT_EQ(cmds[1].line, 7);
}

TEST(ScenarioReader, FaultsNameFileAndLine) {
    EXPECT_EQ(parseError("run 10\nfly 3\n"), "s.scn:2: unknown command: fly");
    EXPECT_EQ(parseError("frames ten\n"), "s.scn:1: bad frame count: ten");
    EXPECT_EQ(parseError("screen 1920\n"), "s.scn:1: missing argument to screen");
    EXPECT_EQ(parseError("run 5 6\n"), "s.scn:1: unexpected word: 6");
    EXPECT_EQ(parseError("frame 0\n"), "s.scn:1: frame time out of range 1..60000: 0");
    EXPECT_EQ(parseError("tick 4294967296\n"),
              "s.scn:1: tick count out of range 0..4294967295: 4294967296");
    EXPECT_EQ(parseError("key F13 down\n"), "s.scn:1: bad key: F13");
    EXPECT_EQ(parseError("key F10 sideways\n"), "s.scn:1: expected down or up: sideways");
    EXPECT_EQ(parseError("\n\nfile a.ini\n[X]\n"), "s.scn:3: file without end");
    EXPECT_EQ(parseError("remove ../settings.ini\n"),
              "s.scn:1: not a path inside the data folder: ../settings.ini");
}

TEST(ScenarioReader, RepeatBlocksNestAndKeepTheirLineNumbers) {
    const auto cmds = parseOk("repeat 3\n  run 16\n  repeat 2\n    mark x\n  done\ndone\nmemory\n");
    ASSERT_EQ(cmds.size(), 10u);  // 3 x (run, mark, mark), then memory
    EXPECT_EQ(cmds[0].name, "run");
    EXPECT_EQ(cmds[0].line, 2);
    EXPECT_EQ(cmds[2].line, 4);
    EXPECT_EQ(cmds[3].name, "run");
    EXPECT_EQ(cmds[9].name, "memory");
}

TEST(ScenarioReader, RepeatFaults) {
    EXPECT_EQ(parseError("run 1\ndone\n"), "s.scn:2: done without repeat");
    EXPECT_EQ(parseError("repeat 2\nrun 1\n"), "s.scn:1: repeat without done");
    EXPECT_EQ(parseError("repeat 0\ndone\n"), "s.scn:1: repeat count out of range 1..1000000: 0");
    EXPECT_EQ(parseError("repeat 2\nvehicle a label=A class=1\ndone\n"),
              "s.scn:2: vehicle inside repeat: define vehicles before it");
    EXPECT_EQ(parseError("repeat 1000\nrepeat 1001\nrun 1\ndone\ndone\n"),
              "s.scn:1: repeat makes too many commands");
    EXPECT_EQ(
        parseError("run 1\nrepeat 70000\nfile a.ini\n" + std::string(1000, 'x') + "\nend\ndone\n"),
        "s.scn:2: repeat makes too many commands");
}

TEST(ScenarioReader, MarksMemoryAndDiskStates) {
    const auto cmds = parseOk("mark hour one\nmark\nmemory\ndisk full\ndisk readonly\ndisk ok\n");
    ASSERT_EQ(cmds.size(), 6u);
    EXPECT_EQ(cmds[0].words, (std::vector<std::string>{"hour", "one"}));
    EXPECT_EQ(parseError("disk broken\n"), "s.scn:1: expected ok, full or readonly: broken");
    EXPECT_EQ(parseError("memory now\n"), "s.scn:1: unexpected word: now");
}

TEST(ScenarioReader, AllocationFailuresAndScriptRestarts) {
    EXPECT_EQ(parseOk("allocations fail 1\nallocations fail 4294967295\nallocations ok\nrestart\n")
                  .size(),
              4u);
    EXPECT_EQ(parseError("allocations fail 0\n"),
              "s.scn:1: allocation count out of range 1..4294967295: 0");
    EXPECT_EQ(parseError("allocations fail\n"), "s.scn:1: missing argument to allocations");
    EXPECT_EQ(parseError("allocations some 3\n"), "s.scn:1: expected fail N or ok: some");
    EXPECT_EQ(parseError("allocations ok 3\n"), "s.scn:1: unexpected word: 3");
    EXPECT_EQ(parseError("restart now\n"), "s.scn:1: unexpected word: now");
}

TEST(ScenarioReader, LoadOnlyWhereThePluginIsNotLoaded) {
    EXPECT_EQ(parseOk("load\nrun 10\nunload\nload\nframes 2\nunload\nload\n").size(), 7u);
    EXPECT_EQ(parseOk("unload\nload\n").size(), 2u);
    EXPECT_EQ(parseError("run 10\nload\n"),
              "s.scn:2: load while the plug-in is loaded (unload it first)");
    EXPECT_EQ(parseError("load\nrun 5\nload\n"),
              "s.scn:3: load while the plug-in is loaded (unload it first)");
    EXPECT_EQ(parseError("press F10 50\nunload\nload\nload\n"),
              "s.scn:4: load while the plug-in is loaded (unload it first)");
    EXPECT_EQ(parseError("load now\n"), "s.scn:1: unexpected word: now");
}

TEST(ScenarioReader, LaterFaultStopsEverythingBeforeIt) {
    EXPECT_EQ(parseError("run 100\nunload\nunload now\n"), "s.scn:3: unexpected word: now");
}

TEST(WorldCommandReader, EveryWorldCommandReads) {
    const auto cmds = parseOk(
        "vehicle adder label=ADDER class=7\n"
        "vehicle boat label=null class=14 model=0xFFFFFFFF\n"
        "set adder speed=nan vel=1,-2.5,inf engine=1 health=-inf gear=65535 rpm=0.5 "
        "throttle=1e-3 colour=0,128,255 driver=other\n"
        "deco adder CokeInPossession=0.5\ndeco adder hunt_score=-2\nundeco adder hunt_score\n"
        "enter adder seat=passenger\nleave\nenter boat\n"
        "player exists=0 control=1 dead=1 arrested=0 phone=1 index=-4\n"
        "view 4\nhud 6 shown\ncontrol 76 pressed\ncontrol 107 disabled\ndaytime 23 59\n"
        "drive adder throttle=1 brake=0.25\ndrive adder off\n"
        "pool slots=1\npool slots=256\nobject adder unmapped\nobject adder cut\n"
        "object adder own\n");
    EXPECT_EQ(cmds.size(), 22u);
}

TEST(WorldCommandReader, FaultsNameFileAndLine) {
    EXPECT_EQ(parseError("vehicle adder label=ADDER\n"), "s.scn:1: vehicle needs class=");
    EXPECT_EQ(parseError("vehicle adder class=7\n"), "s.scn:1: vehicle needs label=");
    EXPECT_EQ(parseError("vehicle adder label=A class=seven\n"), "s.scn:1: bad class: seven");
    EXPECT_EQ(parseError("vehicle a label=A class=1\nvehicle a label=A class=1\n"),
              "s.scn:2: vehicle defined twice: a");
    EXPECT_EQ(parseError("vehicle a label=A class=1 model=5\nvehicle b label=B class=1 model=5\n"),
              "s.scn:2: model 0x00000005 already has another label");
    EXPECT_EQ(parseError("vehicle a label=A class=1 colour=1\n"),
              "s.scn:1: unknown option of vehicle: colour");
    EXPECT_EQ(parseError("set ghost speed=1\n"), "s.scn:1: no such vehicle: ghost");
    EXPECT_EQ(parseError("enter a\nvehicle a label=A class=1\n"), "s.scn:1: no such vehicle: a");
    const std::string car = "vehicle a label=A class=1\n";
    EXPECT_EQ(parseError(car + "set a speed=fast\n"), "s.scn:2: bad speed: fast");
    EXPECT_EQ(parseError(car + "set a speed=NaN\n"), "s.scn:2: bad speed: NaN");
    EXPECT_EQ(parseError(car + "set a gear=65536\n"), "s.scn:2: gear out of range 0..65535: 65536");
    EXPECT_EQ(parseError(car + "set a colour=1,2\n"), "s.scn:2: bad colour (r,g,b): 1,2");
    EXPECT_EQ(parseError(car + "set a engine=2\n"), "s.scn:2: engine out of range 0..1: 2");
    EXPECT_EQ(parseError(car + "set a driver=nobody\n"),
              "s.scn:2: expected driver=player, other or none: nobody");
    EXPECT_EQ(parseError(car + "deco a fuel=0.5.1\n"), "s.scn:2: bad decorator value: 0.5.1");
    EXPECT_EQ(parseError(car + "enter a seat=roof\n"),
              "s.scn:2: expected seat=driver or seat=passenger: seat=roof");
    EXPECT_EQ(parseError("player alive=1\n"), "s.scn:1: unknown option of player: alive");
    EXPECT_EQ(parseError("hud 6 visible\n"), "s.scn:1: expected shown, hidden: visible");
    EXPECT_EQ(parseError("daytime 24 0\n"), "s.scn:1: hours out of range 0..23: 24");
    EXPECT_EQ(parseError(car + "drive a throttle=1.5\n"),
              "s.scn:2: throttle out of range 0..1: 1.5");
    EXPECT_EQ(parseError(car + "drive a throttle=nan\n"), "s.scn:2: bad throttle: nan");
    EXPECT_EQ(parseError(car + "drive a brake=1\n"), "s.scn:2: drive needs throttle= or off");
    EXPECT_EQ(parseError("leave now\n"), "s.scn:1: unexpected word: now");
    EXPECT_EQ(parseError("pool slots=0\n"), "s.scn:1: slot count out of range 1..256: 0");
    EXPECT_EQ(parseError("pool slots=257\n"), "s.scn:1: slot count out of range 1..256: 257");
    EXPECT_EQ(parseError("pool size=4\n"), "s.scn:1: expected slots=N: size=4");
    EXPECT_EQ(parseError("object ghost cut\n"), "s.scn:1: no such vehicle: ghost");
    EXPECT_EQ(parseError(car + "object a elsewhere\n"),
              "s.scn:2: expected own, unmapped or cut: elsewhere");
}

TEST(WorldCommandReader, FloatSpellings) {
    EXPECT_TRUE(std::isnan(*parseFloat("nan")));
    EXPECT_EQ(*parseFloat("-inf"), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(*parseFloat("+2.5"), 2.5f);
    EXPECT_EQ(*parseFloat("1e-3"), 0.001f);
    EXPECT_FALSE(parseFloat("infinity"));
    EXPECT_FALSE(parseFloat("1e99"));
    EXPECT_FALSE(parseFloat(""));
    EXPECT_FALSE(parseFloat("0x10"));
}

TEST(ScenarioReader, KeyNames) {
    EXPECT_EQ(parseKey("F1"), 112u);
    EXPECT_EQ(parseKey("F12"), 123u);
    EXPECT_EQ(parseKey("NUMPAD0"), 0x60u);
    EXPECT_EQ(parseKey("NUMPAD9"), 0x69u);
    EXPECT_EQ(parseKey("A"), 0x41u);
    EXPECT_EQ(parseKey("Z"), 0x5Au);
    EXPECT_EQ(parseKey("7"), 0x37u);  // a single digit is the digit key
    EXPECT_EQ(parseKey("0x08"), 8u);
    EXPECT_EQ(parseKey("255"), 255u);
    EXPECT_EQ(parseKey("300"), 300u);
    EXPECT_FALSE(parseKey("F0"));
    EXPECT_FALSE(parseKey("F13"));
    EXPECT_FALSE(parseKey("NUMPAD10"));
    EXPECT_FALSE(parseKey("a"));
    EXPECT_FALSE(parseKey("-1"));
}

// The scenario language names keys by the plug-in's key table, and the table's names and
// codes map one to one.
TEST(ScenarioReader, KeyTableRoundTrips) {
    std::set<uint32_t> codes;
    std::set<std::string> names;
    for (const velquist::vk::KeyName& k : velquist::vk::keyNames) {
        EXPECT_TRUE(codes.insert(k.code).second) << k.name;
        EXPECT_TRUE(names.insert(k.name).second) << k.name;
        EXPECT_EQ(parseKey(k.name), k.code) << k.name;
        EXPECT_STREQ(velquist::vk::keyName(k.code), k.name);
        EXPECT_EQ(velquist::vk::keyCode(k.name), k.code);
    }
    for (int32_t n = 1; n <= velquist::vk::functionKeyCount; ++n)
        EXPECT_EQ(parseKey("F" + std::to_string(n)), velquist::vk::functionKey(n));
    for (int32_t d = 0; d <= 9; ++d)
        EXPECT_EQ(parseKey("NUMPAD" + std::to_string(d)), velquist::vk::numpad(d));
    EXPECT_EQ(velquist::vk::keyName(0x41), nullptr);  // letters are not in the table
    EXPECT_EQ(velquist::vk::keyCode("f1"), 0u);
}

TEST(ScenarioReader, Integers) {
    EXPECT_EQ(parseInteger("0x10"), 16);
    EXPECT_EQ(parseInteger("-250"), -250);
    EXPECT_EQ(parseInteger("+5"), 5);
    EXPECT_FALSE(parseInteger("12ms"));
    EXPECT_FALSE(parseInteger("0x"));
    EXPECT_FALSE(parseInteger(""));
    EXPECT_FALSE(parseInteger("-"));
}

TEST(ScenarioReader, DataPaths) {
    EXPECT_TRUE(isDataPath("settings1.ini"));
    EXPECT_TRUE(isDataPath("Rpm\\Rpm3.png"));
    EXPECT_TRUE(isDataPath("Brands/Empty.png"));
    EXPECT_FALSE(isDataPath("/etc/passwd"));
    EXPECT_FALSE(isDataPath("C:\\x.ini"));
    EXPECT_FALSE(isDataPath("a//b"));
    EXPECT_FALSE(isDataPath("a/../../b"));
}

TEST(TraceFormat, FloatsHaveAtMostSixSignificantDigits) {
    EXPECT_EQ(formatFloat(0.29166666), "0.291667");
    EXPECT_EQ(formatFloat(1234567.0), "1.23457e+06");
    EXPECT_EQ(formatFloat(-0.0), "0");
    EXPECT_EQ(formatFloat(150.0), "150");
    EXPECT_EQ(formatFloat(std::numeric_limits<double>::quiet_NaN()), "\"nan\"");
    EXPECT_EQ(formatFloat(-std::numeric_limits<double>::infinity()), "\"-inf\"");
}

TEST(TraceFormat, TextsAreEscaped) {
    EXPECT_EQ(quote("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(quote("tab\there"), "\"tab\\u0009here\"");
    EXPECT_EQ(quote("\xC4"), "\"\\u00c4\"");
    EXPECT_EQ(quote(nullptr), "\"\"");
}

}  // namespace
