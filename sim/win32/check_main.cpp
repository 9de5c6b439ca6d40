// VelquistCheck.exe [GAME FOLDER] [--screen WxH]...: velquist-sim check for players on Windows. It
// checks the Velquist folder beside the program, or the one in the game folder named, with the same
// check code (sim/tools/folder_check.h), the plug-in's own code linked in and kernel32's
// private-profile functions reading the settings, on the common screens, the player's own
// and those named with --screen. The report goes to the console and to VelquistCheck.txt beside the
// program; the exit status is 0 for a clean folder, 1 with findings, 2 when there is nothing to
// check. Started by a double-click it has a console of its own, which would close at once: then it
// waits for a key.
#include <windows.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "settings/data_files.h"
#include "sim_files.h"
#include "tools/folder_check.h"
#include "tools/screens.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* reportName = "VelquistCheck.txt";

// The report, line by line: to the console as it comes, to the file at the end.
class Report {
  public:
    void line(const std::string& text) {
        std::printf("%s\n", text.c_str());
        std::fflush(stdout);
        text_ += text + "\r\n";
    }
    // False when the file cannot be written (a folder without write access).
    bool save(const fs::path& file) const {
        std::FILE* f = _wfopen(file.c_str(), L"wb");
        if (!f) return false;
        const bool written = std::fwrite(text_.data(), 1, text_.size(), f) == text_.size();
        return std::fclose(f) == 0 && written;
    }

  private:
    std::string text_;  // CR LF line ends, as Notepad shows them
};

// The screen the game runs on: the desktop's size in physical pixels.
std::optional<sim::Screen> playersScreen(std::string& size) {
    SetProcessDPIAware();  // a scaled desktop would otherwise answer in scaled pixels
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    size = std::to_string(w) + "x" + std::to_string(h);
    return sim::parseScreen(size);
}

int usage(Report& report, const std::string& what) {
    report.line("VelquistCheck: " + what);
    report.line("usage: VelquistCheck.exe [GAME FOLDER] [--screen WxH]...");
    report.line(
        "  checks GAME FOLDER\\Velquist, or the Velquist folder beside this program, on the");
    report.line("  common screens, this computer's screen and every screen named");
    return 2;
}

int check(int argc, char** argv, Report& report) {
    std::optional<fs::path> named;
    std::vector<sim::Screen> screens;  // this computer's first, then the ones named
    std::string size;
    const std::optional<sim::Screen> own = playersScreen(size);
    if (own) screens.push_back(*own);
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--screen") {
            const std::optional<sim::Screen> screen =
                i + 1 < argc ? sim::parseScreen(argv[++i]) : std::nullopt;
            if (!screen) return usage(report, sim::screenOptionRule());
            screens.push_back(*screen);
        } else if (!named && !word.empty() && word[0] != '-') {
            named = word;
        } else {
            return usage(report, "unexpected " + word);
        }
    }
    const fs::path gameDir = named ? *named : sim::executableFolder();
    const std::string shown = gameDir.string();
    std::error_code ec;
    if (!fs::is_directory(gameDir, ec)) {
        report.line("VelquistCheck: no such game folder: " + shown);
        return 2;
    }
    report.line("Velquist " VELQUIST_VERSION " check of " +
                (gameDir / velquist::dataFolderName).make_preferred().string());
    report.line("Your screen: " + size +
                (own ? "" : ", a size the check does not measure: only the common screens"));
    std::vector<std::string> notes;
    const std::vector<sim::Finding> findings = sim::checkGameFolder(gameDir, screens, &notes);
    for (const sim::Finding& f : findings)
        report.line(sim::formatFinding(f, shown));
    for (const std::string& note : notes)
        report.line(note);
    report.line("VelquistCheck: " + sim::checkSummary(findings.size(), shown));
    return findings.empty() ? 0 : 1;
}

// A console of its own, which Explorer opens for a double-clicked program and closes with
// it: its input is a console no other program shares. From a command prompt the console is
// the shell's too; redirected input is no console at all.
bool ownConsole() {
    const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (in == nullptr || in == INVALID_HANDLE_VALUE || !GetConsoleMode(in, &mode)) return false;
    DWORD processes[2];
    return GetConsoleProcessList(processes, 2) == 1;
}

void waitForKey() {
    std::printf("\nPress any key to close this window.\n");
    std::fflush(stdout);
    const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    FlushConsoleInputBuffer(in);
    INPUT_RECORD record;
    DWORD read = 0;
    while (ReadConsoleInputW(in, &record, 1, &read) && read == 1)
        if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) return;
}

}  // namespace

int main(int argc, char** argv) {
    SetConsoleOutputCP(CP_UTF8);  // the report's texts are UTF-8
    const bool wait = ownConsole();
    Report report;
    int status = 2;
    try {
        status = check(argc, argv, report);
    } catch (const std::exception& e) {
        report.line(std::string("VelquistCheck: cannot check the folder: ") + e.what());
    }
    const fs::path file = sim::executableFolder() / reportName;
    if (!report.save(file))
        std::fprintf(stderr, "VelquistCheck: cannot write %s\n", file.string().c_str());
    if (wait) waitForKey();
    return status;
}
