// The play window under a virtual X display (Xvfb): keys typed into the window with
// xdotool drive the car and open and work the menu; the window's last picture shows the
// menu and the cluster.
#include <gtest/gtest.h>

#include <cairo.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "render/backdrop.h"
#include "support/temp_files.h"
#include "support/trace_reader.h"

namespace {

// Starts a program with extra environment words; returns its process id.
pid_t spawn(const std::vector<std::string>& words, const std::vector<std::string>& environment,
            const std::string& outFile, int extraFd = -1) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    for (const std::string& e : environment)
        ::putenv(const_cast<char*>(e.c_str()));
    if (!outFile.empty()) {
        FILE* out = std::fopen(outFile.c_str(), "w");
        if (out) ::dup2(::fileno(out), 1);
    }
    std::vector<char*> argv;
    for (const std::string& w : words)
        argv.push_back(const_cast<char*>(w.c_str()));
    argv.push_back(nullptr);
    (void)extraFd;
    ::execvp(argv[0], argv.data());
    ::_exit(127);
}

// Waits up to the limit; the exit status, or -1 when it did not end (it is then killed).
int waitFor(pid_t pid, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (std::chrono::steady_clock::now() < end) {
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return -1;
}

// A virtual X server on a display of its own choice, stopped with the object.
class VirtualDisplay {
  public:
    VirtualDisplay() {
        int fds[2];
        if (::pipe(fds) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x800x24",
                     "-nolisten", "tcp", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        // Xvfb writes the display number it took once it is ready.
        std::string number;
        char c;
        while (::read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        ::close(fds[0]);
        if (!number.empty()) display_ = ":" + number;
    }
    ~VirtualDisplay() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            waitFor(pid_, std::chrono::seconds(5));
        }
    }
    const std::string& display() const { return display_; }

  private:
    pid_t pid_ = -1;
    std::string display_;
};

class PlayWindow : public ::testing::Test {
  protected:
    // xdotool against the virtual display; true when it succeeded.
    bool xdotool(const std::string& words) {
        const std::string command =
            "DISPLAY=" + x.display() + " timeout 20 xdotool " + words + " >/dev/null 2>&1";
        return std::system(command.c_str()) == 0;
    }
    static size_t fileSize(const std::string& file) {
        std::error_code ec;
        const auto size = std::filesystem::file_size(file, ec);
        return ec ? 0 : static_cast<size_t>(size);
    }
    // Waits (up to 30 s) until the trace holds the text and at least `bytes` bytes.
    static bool traceShows(const std::string& file, const std::string& text, size_t bytes) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (std::chrono::steady_clock::now() < end) {
            if (fileSize(file) >= bytes &&
                temp_files::readFile(file).find(text) != std::string::npos)
                return true;
            pause(100);
        }
        return false;
    }
    static void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

    VirtualDisplay x;
    temp_files::Folder folder;
};

using PlayWindowTest = PlayWindow;

TEST_F(PlayWindowTest, KeysDriveAndWorkTheMenuAndTheWindowShowsIt) {
    ASSERT_FALSE(x.display().empty()) << "Xvfb did not start";
    const std::string trace = (folder.path() / "trace.jsonl").string();
    const std::string frame = (folder.path() / "last.png").string();
    const std::string out = (folder.path() / "out.txt").string();
    const pid_t play = spawn({VELQUIST_SIM, "play", "--screen", "960x540", "--trace", trace,
                              "--last-frame", frame, "--quit-after", "60000"},
                             {"DISPLAY=" + x.display()}, out);
    // The title loses its "(starting)" once the first frame is up.
    ASSERT_TRUE(xdotool("search --sync --name \"^Velquist play$\" windowfocus --sync"));
    ASSERT_TRUE(xdotool("keydown w"));
    pause(1500);
    ASSERT_TRUE(xdotool("keyup w key F10"));
    // A tap: the menu takes a menu key still held 150 ms after it opened as its back key.
    // The program may run slower than real time (sanitizers): each step waits for the
    // trace to show that the last one was taken.
    ASSERT_TRUE(traceShows(trace, "\"text\":\"General\"", 0)) << "the menu did not open";
    // Past the menu's first wait (150 ms), a tap of the keypad's 2 moves one line down.
    ASSERT_TRUE(traceShows(trace, "", fileSize(trace) + 32768)) << "no frames in the menu";
    ASSERT_TRUE(xdotool("key KP_2"));
    ASSERT_TRUE(traceShows(trace, "NAV_UP_DOWN", 0)) << "the keypad did not reach the menu";
    ASSERT_TRUE(traceShows(trace, "", fileSize(trace) + 32768)) << "no frames after the move";
    ASSERT_TRUE(xdotool("key Escape"));
    ASSERT_EQ(waitFor(play, std::chrono::seconds(30)), 0);

    // The overlay line at the end: the car moved.
    const std::string overlay = temp_files::readFile(out);
    EXPECT_EQ(overlay.rfind("car ADDER", 0), 0u) << overlay;
    EXPECT_EQ(overlay.find(" 0 km/h"), std::string::npos) << overlay;

    // F10 opened the menu on its first line; the keypad's 2 moved the highlight down.
    const auto texts = trace_reader::only(trace_reader::readFile(trace), "text");
    long long opened = -1;
    std::vector<double> highlight;
    for (const auto& t : texts)
        if (t["text"].str() == "General" && opened < 0) {
            opened = t.f();
            for (const auto& c : t["rgba"].array)
                highlight.push_back(c.num());
        }
    ASSERT_GE(opened, 0) << "the menu was never drawn";
    long long lastFrame = texts.back().f();
    bool moved = false;
    for (const auto& t : texts) {
        if (t.f() != lastFrame || t["text"].str() != "Toggle HUD") continue;
        std::vector<double> rgba;
        for (const auto& c : t["rgba"].array)
            rgba.push_back(c.num());
        moved = rgba == highlight;
    }
    EXPECT_TRUE(moved) << "the highlight is not on the second line, in frame " << lastFrame;

    // The window's last picture: the menu's lines stand over the backdrop.
    cairo_surface_t* picture = cairo_image_surface_create_from_png(frame.c_str());
    ASSERT_EQ(cairo_surface_status(picture), CAIRO_STATUS_SUCCESS);
    cairo_surface_t* backdrop = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 960, 540);
    cairo_t* cr = cairo_create(backdrop);
    sim::drawBackdrop(cr, 960, 540);
    cairo_destroy(cr);
    auto pixel = [](cairo_surface_t* s, int px, int py) {
        const unsigned char* row =
            cairo_image_surface_get_data(s) + py * cairo_image_surface_get_stride(s);
        return reinterpret_cast<const uint32_t*>(row)[px] & 0xFFFFFFu;
    };
    int changed = 0;
    for (const auto& r : trace_reader::only(trace_reader::readFile(trace), "rect")) {
        if (r.f() != lastFrame) continue;
        const int px = static_cast<int>(r["centre"][0].num() * 960);
        const int py = static_cast<int>(r["centre"][1].num() * 540);
        changed += pixel(picture, px, py) != pixel(backdrop, px, py);
    }
    EXPECT_GE(changed, 8) << "the menu's rectangles are not in the window's picture";

    // The cluster: the velocity dial's face was drawn, and the picture shows it there.
    const auto draws = trace_reader::only(trace_reader::readFile(trace), "draw");
    const trace_reader::Event* face = nullptr;
    for (const auto& d : draws)
        if (d["tex"].str().rfind("Velocity\\", 0) == 0 && d["level"].num() == -9995) face = &d;
    ASSERT_NE(face, nullptr) << "no velocity dial was drawn";
    const int fx = static_cast<int>((*face)["pos"][0].num() * 960);
    const int fy = static_cast<int>((*face)["pos"][1].num() * 540);
    int differ = 0;
    for (int dy = -20; dy <= 20; dy += 4)
        for (int dx = -20; dx <= 20; dx += 4) {
            const int px = std::clamp(fx + dx, 0, 959), py = std::clamp(fy + dy, 0, 539);
            differ += pixel(picture, px, py) != pixel(backdrop, px, py);
        }
    EXPECT_GT(differ, 60) << "the cluster is not in the window's picture";
    cairo_surface_destroy(backdrop);
    cairo_surface_destroy(picture);
}

}  // namespace

namespace {

TEST(PlayCommandTest, BadWordsStopBeforeAnyWindow) {
    auto status = [](const std::string& words) {
        const std::string command =
            std::string("'") + VELQUIST_SIM + "' play " + words + " >/dev/null 2>&1";
        const int s = std::system(command.c_str());
        return WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    };
    EXPECT_EQ(status("--screen 10x10"), 2);
    EXPECT_EQ(status("--screen wide"), 2);
    EXPECT_EQ(status("--game /nonexistent/folder"), 2);
    EXPECT_EQ(status("--quit-after soon"), 2);
    EXPECT_EQ(status("extra"), 2);
}

// A trace that cannot be written fails the run (exit 1), as in velquist-sim run, before any
// window: with SDL's window-less driver a window could open.
TEST(PlayCommandTest, AnUnwritableTraceFailsTheRunBeforeAnyWindow) {
    temp_files::Folder folder;
    const std::string errors = (folder.path() / "errors.txt").string();
    const std::string command = std::string("SDL_VIDEODRIVER=dummy '") + VELQUIST_SIM +
                                "' play --quit-after 1 --trace /nonexistent/folder/t.jsonl 2>'" +
                                errors + "' >/dev/null";
    const int s = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(s) ? WEXITSTATUS(s) : -1, 1);
    EXPECT_NE(temp_files::readFile(errors).find("cannot write the trace"), std::string::npos)
        << temp_files::readFile(errors);
}

}  // namespace
