// The plug-in's life in velquist-sim: loading, frames, keys, unloading, and the command
// line and scenario faults that stop a run before it starts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/sim_process.h"
#include "support/temp_files.h"

namespace fs = std::filesystem;
using trace_reader::only;

namespace {

TEST(SpineScenario, RegistersOnLoadAndUnregistersOnUnload) {
    const auto r = sim_process::runFile("load_unload.scn");
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    std::vector<trace_reader::Event> life;
    for (const auto& e : r.trace)
        if (e.ev() == "register" || e.ev() == "unregister") life.push_back(e);
    ASSERT_EQ(life.size(), 4u);
    EXPECT_EQ(life[0].ev(), "register");
    EXPECT_EQ(life[0]["what"].str(), "script");
    EXPECT_EQ(life[1].ev(), "register");
    EXPECT_EQ(life[1]["what"].str(), "keyboard");
    EXPECT_EQ(life[0].f(), 0);
    EXPECT_EQ(life[0].t(), 100000);
    EXPECT_EQ(life[2].ev(), "unregister");
    EXPECT_EQ(life[2]["what"].str(), "script");
    EXPECT_EQ(life[3].ev(), "unregister");
    EXPECT_EQ(life[3]["what"].str(), "keyboard");
    // 1000 ms of 16 ms frames is 63 frames; the unload comes after them.
    EXPECT_EQ(life[2].f(), 63);
    EXPECT_EQ(life[2].t(), 100000 + 63 * 16);
    // The script's start-up, in the first frame, loads 51 cluster images and 100 logos.
    const auto textures = only(r.trace, "texture");
    EXPECT_EQ(textures.size(), 151u);
    for (const auto& t : textures)
        EXPECT_EQ(t.f(), 0);
}

TEST(SpineScenario, NothingLoadsBeforeTimePasses) {
    const auto r = sim_process::run("screen 1280 720\nkey F10 down\nkey F10 up\n");
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_TRUE(r.trace.empty());
}

TEST(SpineScenario, OpenMenuDisablesTheControlsOnEveryFrame) {
    // F10 is let go before the menu's first poll, so the menu stays open to the end.
    const auto r = sim_process::run("frames 1\npress F10 100\nrun 500\nunload\n");
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const auto unregister = only(r.trace, "unregister");
    ASSERT_EQ(unregister.size(), 2u);
    EXPECT_EQ(unregister[0].f(), 1 + 7 + 32);  // 100 ms is 7 frames, 500 ms is 32
    const std::vector<int> order = {21,  114, 73, 199, 24, 257, 263, 264, 140,
                                    141, 142, 80, 27,  85, 119, 19,  74,  48};
    const auto disabled = only(r.trace, "disable");
    ASSERT_EQ(disabled.size(), order.size() * 39);  // frames 1 to 39
    for (size_t i = 0; i < disabled.size(); ++i) {
        EXPECT_EQ(disabled[i]["control"].num(), order[i % order.size()]);
        EXPECT_EQ(disabled[i].f(), static_cast<long long>(1 + i / order.size()));
    }
}

TEST(SpineScenario, BadScenarioExitsWithFileAndLineAndRunsNothing) {
    const fs::path dir = temp_files::folderUntilExit();
    fs::create_directory(dir / "Velquist");
    const auto r = sim_process::run("file marker.ini\n[A]\nend\nrun 100\nrun soon\n",
                                    {"--game", dir.string()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.errors.find("test.scn:5: bad time: soon"), std::string::npos) << r.errors;
    EXPECT_TRUE(r.trace.empty());
    EXPECT_FALSE(fs::exists(dir / "Velquist" / "marker.ini"));  // not even setup ran
}

TEST(SpineScenario, UnknownCommandExits2) {
    const auto r = sim_process::run("run 100\nexplode\n");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.errors.find("test.scn:2: unknown command: explode"), std::string::npos);
    EXPECT_TRUE(r.trace.empty());
}

TEST(SpineScenario, FileAndRemoveChangeTheGivenGameFolder) {
    const fs::path dir = temp_files::folderUntilExit();
    fs::create_directories(dir / "Velquist");
    std::ofstream(dir / "Velquist" / "old.ini") << "[X]\n";
    const auto r =
        sim_process::run("file Sub\\new.ini\n[GENERAL]\nmenuKey=8\nend\nremove old.ini\nrun 16\n",
                         {"--game", dir.string()});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(temp_files::readFile(dir / "Velquist" / "Sub" / "new.ini"), "[GENERAL]\nmenuKey=8\n");
    EXPECT_FALSE(fs::exists(dir / "Velquist" / "old.ini"));
}

TEST(SpineScenario, DefaultGameFolderIsATemporaryCopyThatIsRemoved) {
    // Writing into the default folder must not touch the project's data folder.
    const auto r = sim_process::run("file scratch.ini\n[A]\nend\nrun 16\n");
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_FALSE(fs::exists(fs::path(VELQUIST_SIM).parent_path() / "Velquist" / "scratch.ini"));
}

TEST(SpineScenario, LoadAfterUnloadRegistersAgainWhileTimeGoesOn) {
    const auto r =
        sim_process::run("run 100\nunload\nrun 48\nload\nframes 2\nunload\n", {"--memory-use"});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const auto registers = only(r.trace, "register");
    const auto unregisters = only(r.trace, "unregister");
    ASSERT_EQ(registers.size(), 4u);
    ASSERT_EQ(unregisters.size(), 4u);
    // 100 ms are 7 frames, 48 ms 3 more without the plug-in.
    EXPECT_EQ(registers[2].f(), 10);
    EXPECT_EQ(registers[2].t(), 100000 + 10 * 16);
    EXPECT_EQ(registers[2]["what"].str(), "script");
    EXPECT_EQ(registers[3]["what"].str(), "keyboard");
    EXPECT_EQ(unregisters[2].f(), 12);
    // --memory reports after each unload.
    EXPECT_NE(r.errors.find("memory after unload 1: private "), std::string::npos) << r.errors;
    EXPECT_NE(r.errors.find("memory after unload 2: private "), std::string::npos) << r.errors;
}

// velquist-sim's run with its words, standard error into errors; its exit status.
int runWords(const std::string& words, std::string& errors) {
    const fs::path file = fs::path(temp_files::folderUntilExit()) / "errors.txt";
    const std::string command =
        std::string(VELQUIST_SIM) + " run " + words + " >/dev/null 2>'" + file.string() + "'";
    const int status = std::system(command.c_str()) >> 8;
    errors = temp_files::readFile(file);
    return status;
}

// A folder in place of the scenario is a bad command line: nothing runs, no trace is begun.
TEST(SpineCommandLine, ScenarioThatIsAFolderCannotBeRead) {
    const fs::path dir = temp_files::folderUntilExit();
    fs::create_directory(dir / "scenario.scn");
    std::string errors;
    EXPECT_EQ(runWords((dir / "scenario.scn").string() + " --trace " + (dir / "t.jsonl").string(),
                       errors),
              2);
    EXPECT_NE(errors.find("cannot read " + (dir / "scenario.scn").string()), std::string::npos)
        << errors;
    EXPECT_FALSE(fs::exists(dir / "t.jsonl"));
}

// A trace that cannot be written is an output the run cannot make: it fails (exit 1) before
// anything runs, as a picture that cannot be written does.
TEST(SpineCommandLine, TraceThatCannotBeWrittenFailsTheRunBeforeItStarts) {
    const fs::path dir = temp_files::folderUntilExit();
    std::ofstream(dir / "shot.scn") << "run 100\nshot first.png\n";
    std::string errors;
    EXPECT_EQ(runWords((dir / "shot.scn").string() + " --shots " + dir.string() + " --trace " +
                           (dir / "none" / "t.jsonl").string(),
                       errors),
              1);
    EXPECT_NE(errors.find("cannot write the trace"), std::string::npos) << errors;
    EXPECT_FALSE(fs::exists(dir / "first.png"));
}

TEST(SpineCommandLine, FaultsExit2) {
    EXPECT_EQ(std::system((std::string(VELQUIST_SIM) + " 2>/dev/null").c_str()) >> 8, 2);
    EXPECT_EQ(std::system((std::string(VELQUIST_SIM) + " fly x 2>/dev/null").c_str()) >> 8, 2);
    EXPECT_EQ(
        std::system((std::string(VELQUIST_SIM) + " run /no/such.scn 2>/dev/null").c_str()) >> 8, 2);
    const auto r = sim_process::run("run 1\n", {"--colour"});
    EXPECT_EQ(r.exitCode, 2);
    const auto g = sim_process::run("run 1\n", {"--game", "/no/such/folder"});
    EXPECT_NE(g.exitCode, 0);
}

}  // namespace
