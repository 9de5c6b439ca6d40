// VelquistCheck.exe under Wine against velquist-sim check, over every planted folder of the
// check's tests that a Windows folder can hold: the same findings line for line (path
// separators aside), the same notes, the same closing line and exit status, at Wine's own
// screen, which the exe finds for itself and velquist-sim is given with --screen. The exe's
// report file holds what its console showed; with its input redirected it never waits for
// a key; beside a game's Velquist folder it checks that folder, and on the shipped one it
// exits 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/planted_folders.h"
#include "support/temp_files.h"
#include "support/tool_process.h"

namespace fs = std::filesystem;

namespace {

// Wine's own start-up is slow; a check never takes this long.
constexpr int wineSeconds = 240;

std::vector<std::string> linesWithoutCr(const std::string& text) {
    std::vector<std::string> out = tool_process::lines(text);
    for (std::string& line : out)
        if (!line.empty() && line.back() == '\r') line.pop_back();
    return out;
}

std::string slashes(std::string text) {
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

bool isNote(const std::string& line) {
    return line.rfind("note: ", 0) == 0;
}

// What one run of a check reported.
struct Reported {
    int exitCode = -1;
    std::vector<std::string> findings;
    std::vector<std::string> notes;
    std::string summary;  // the closing line without the program's name
};

// "VelquistCheck: 3 findings" or "velquist-sim check: 3 findings" without the name.
std::string summaryOf(const std::string& line) {
    const size_t colon = line.find(": ");
    return colon == std::string::npos ? line : line.substr(colon + 2);
}

class WindowsCheck : public ::testing::Test {
  protected:
    fs::path game() const { return folder.path() / "game"; }
    fs::path bin() const { return folder.path() / "bin"; }

    void SetUp() override {
        fs::create_directories(bin());
        fs::copy_file(VELQUIST_CHECK_EXE, bin() / "VelquistCheck.exe");
        fs::create_directories(game());
        fs::copy(VELQUIST_SKIN_FOLDER, game() / "Velquist", fs::copy_options::recursive);
    }

    // The exe on the game folder, named by its Linux path (Wine takes it as it stands):
    // its report, and Wine's screen as its header names it.
    Reported windows(const std::vector<std::string>& words, std::string& screen,
                     std::vector<std::string>& console) {
        std::vector<std::string> args = {(bin() / "VelquistCheck.exe").string()};
        args.insert(args.end(), words.begin(), words.end());
        const tool_process::Result r = tool_process::runProgram("wine", args, {}, wineSeconds);
        console = linesWithoutCr(r.out);
        Reported out;
        out.exitCode = r.exitCode;
        // The header: what is checked, then the screen; the closing line last.
        if (console.size() < 3) {
            ADD_FAILURE() << "a report of " << console.size() << " lines:\n" << r.out << r.errors;
            return out;
        }
        const std::string screenWord = "Your screen: ";
        EXPECT_EQ(console[1].rfind(screenWord, 0), 0u) << console[1];
        screen = console[1].substr(screenWord.size());
        for (size_t i = 2; i + 1 < console.size(); ++i)
            (isNote(console[i]) ? out.notes : out.findings).push_back(slashes(console[i]));
        out.summary = slashes(summaryOf(console.back()));
        return out;
    }

    Reported linux(const std::string& screen) {
        std::vector<std::string> args = {"check", "--game", game().string()};
        if (screen.find(',') == std::string::npos) args.insert(args.end(), {"--screen", screen});
        const tool_process::Result r = tool_process::run(args, {}, wineSeconds);
        Reported out;
        out.exitCode = r.exitCode;
        out.findings = tool_process::lines(r.out);
        for (const std::string& line : tool_process::lines(r.errors))
            if (isNote(line))
                out.notes.push_back(line);
            else
                out.summary = summaryOf(line);
        return out;
    }

    temp_files::Folder folder;
};

TEST_F(WindowsCheck, PlantedFoldersGiveVelquistSimsFindingsLineForLine) {
    int compared = 0;
    for (const planted_folders::Folder& planted : planted_folders::all()) {
        if (!planted.onWindows) continue;
        SCOPED_TRACE(planted.name);
        fs::remove_all(game() / "Velquist");
        fs::copy(VELQUIST_SKIN_FOLDER, game() / "Velquist", fs::copy_options::recursive);
        if (planted.plant) planted.plant(game() / "Velquist");
        std::string screen;
        std::vector<std::string> console;
        const Reported win = windows({game().string()}, screen, console);
        const Reported lin = linux(screen);
        EXPECT_EQ(win.exitCode, lin.exitCode);
        EXPECT_EQ(win.findings, lin.findings);
        EXPECT_EQ(win.notes, lin.notes);
        EXPECT_EQ(win.summary, lin.summary);
        // Every planted folder but the shipped one has something to report.
        EXPECT_EQ(lin.exitCode, planted.plant ? 1 : 0);
        // The report file beside the program holds what the console showed, in CR LF lines.
        std::string expected;
        for (const std::string& line : console)
            expected += line + "\r\n";
        EXPECT_EQ(temp_files::readFile(bin() / "VelquistCheck.txt"), expected);
        ++compared;
    }
    EXPECT_GE(compared, 9);
}

TEST_F(WindowsCheck, BesideTheGameItChecksItsOwnFolder) {
    fs::rename(bin() / "VelquistCheck.exe", game() / "VelquistCheck.exe");
    const tool_process::Result r = tool_process::runProgram(
        "wine", {(game() / "VelquistCheck.exe").string()}, {}, wineSeconds);
    EXPECT_EQ(r.exitCode, 0) << r.out << r.errors;
    const std::vector<std::string> console = linesWithoutCr(r.out);
    ASSERT_FALSE(console.empty());
    EXPECT_NE(console[0].find("\\Velquist"), std::string::npos) << console[0];
    EXPECT_NE(console.back().find("nothing to report in"), std::string::npos) << r.out;
    EXPECT_FALSE(temp_files::readFile(game() / "VelquistCheck.txt").empty());
}

TEST_F(WindowsCheck, BadWordsAndMissingFoldersAreStatusTwo) {
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{(folder.path() / "nowhere").string()},
          std::vector<std::string>{game().string(), "--screen", "100x100"},
          std::vector<std::string>{game().string(), "--frobnicate"}}) {
        std::vector<std::string> args = {(bin() / "VelquistCheck.exe").string()};
        args.insert(args.end(), words.begin(), words.end());
        const tool_process::Result r = tool_process::runProgram("wine", args, {}, wineSeconds);
        EXPECT_EQ(r.exitCode, 2) << words.back() << "\n" << r.out;
        EXPECT_NE(r.out.find("VelquistCheck: "), std::string::npos) << r.out;
    }
}

}  // namespace
