// The trace of a run that hangs or ends abnormally: what was traced before a mark is in
// the file while the run goes on, and a fatal signal writes out what the trace still kept.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "support/sim_process.h"
#include "support/temp_files.h"

namespace fs = std::filesystem;

namespace {

// A drive, a mark, two pictures, then frames without the plug-in for hours: nothing more is
// traced, so what is in the file at any moment is what was handed over.
const char* const scenario =
    "vehicle adder label=ADDER class=7\nenter adder\nset adder engine=1 speed=20\nrun 200\n"
    "mark driven\nshot a.png\nshot b.png\nunload\nframe 1\nrun 4000000000\n";

// velquist-sim running the scenario in the background, stopped when the object goes.
class BackgroundRun {
  public:
    BackgroundRun() {
        const fs::path dir = temp_files::folderUntilExit();
        scenarioFile_ = dir / "hang.scn";
        trace_ = dir / "trace.jsonl";
        shots_ = dir / "shots";
        std::ofstream(scenarioFile_) << scenario;
        pid_ = fork();
        if (pid_ == 0) {
            const std::string s = scenarioFile_.string(), t = trace_.string(), p = shots_.string();
            execl(VELQUIST_SIM, VELQUIST_SIM, "run", s.c_str(), "--trace", t.c_str(), "--shots",
                  p.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~BackgroundRun() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    // Waits (60 s at most) until check() holds.
    template <typename Check>
    bool waitFor(Check check) const {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < end) {
            if (check()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }
    std::string trace() const { return temp_files::readFile(trace_); }
    bool shotWritten(const char* name) const { return fs::exists(shots_ / name); }
    // Sends the signal and returns the wait status.
    int stop(int sig) {
        kill(pid_, sig);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return status;
    }

  private:
    fs::path scenarioFile_, trace_, shots_;
    pid_t pid_ = -1;
};

TEST(TraceFlush, WhatCameBeforeAMarkIsInTheFileWhileTheRunGoesOn) {
    BackgroundRun run;
    const std::string markLine = "\"ev\":\"mark\",\"text\":\"driven\"}\n";
    ASSERT_TRUE(run.waitFor([&] { return run.trace().find(markLine) != std::string::npos; }))
        << "the mark never reached the file:\n"
        << run.trace().substr(0, 300);
    const std::string text = run.trace();
    EXPECT_NE(text.find("\"ev\":\"draw\""), std::string::npos);
    // The file ends with the mark's whole line.
    ASSERT_GE(text.size(), markLine.size());
    EXPECT_EQ(text.substr(text.size() - markLine.size()), markLine);
}

// Each fatal signal writes out the lines kept since the mark: the first picture's event.
TEST(TraceFlush, AFatalSignalWritesOutWhatTheTraceKept) {
    for (int sig : {SIGTERM, SIGABRT, SIGSEGV, SIGINT, SIGALRM}) {
        BackgroundRun run;
        ASSERT_TRUE(run.waitFor([&] { return run.shotWritten("b.png"); })) << strsignal(sig);
        const int status = run.stop(sig);
        // Killed by the signal (a sanitizer may report a SEGV and exit with an error instead).
        EXPECT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) != 0))
            << strsignal(sig);
        if (WIFSIGNALED(status)) {
            EXPECT_EQ(WTERMSIG(status), sig);
        }
        const std::string text = run.trace();
        EXPECT_NE(text.find("\"ev\":\"shot\",\"file\":\"a.png\"}\n"), std::string::npos)
            << strsignal(sig) << ": the trace ends with\n"
            << text.substr(text.size() > 300 ? text.size() - 300 : 0);
    }
}

}  // namespace
