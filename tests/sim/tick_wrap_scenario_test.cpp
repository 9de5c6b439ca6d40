// The tick count wraps at 2^32 ms (49.7 days after the machine started). One scenario of
// menu use and acceleration runs (tests/scenarios/tick_wrap.scn) is run with the wrap
// placed inside each of the plug-in's timed waits in turn: the pause after the menu
// closes, the wait after the menu opens, a page is entered or left, a move while a key is
// held, the live timer of a run, the five seconds a result stays, and the refresh schedule
// all along. The trace, tick counts set aside, must be the same as far from the wrap.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "host/natives.h"
#include "support/sim_process.h"

using trace_reader::Event;
using trace_reader::only;

namespace {

constexpr uint64_t wrap = 1ull << 32;
constexpr int64_t frameMs = 16;

// tests/scenarios/tick_wrap.scn with the tick count starting at startTick.
std::string scenario(uint64_t startTick) {
    std::ifstream in(std::string(VELQUIST_SCENARIOS) + "/tick_wrap.scn", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::string s = text.str();
    const size_t at = s.find("\ntick ");
    s.replace(at + 1, s.find('\n', at + 1) - at - 1, "tick " + std::to_string(startTick));
    return s;
}

// The trace without its tick counts and native arguments (which hold addresses): what the
// plug-in did and in which frame.
std::vector<std::string> withoutTime(const std::string& trace) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < trace.size()) {
        size_t nl = trace.find('\n', start);
        if (nl == std::string::npos) nl = trace.size();
        std::string line = trace.substr(start, nl - start);
        const size_t t = line.find("\"t\":");
        if (t != std::string::npos) line.erase(t, line.find(',', t) + 1 - t);
        const size_t args = line.find(",\"args\":[");
        if (args != std::string::npos) line.erase(args, line.find(']', args) + 1 - args);
        out.push_back(std::move(line));
        start = nl + 1;
    }
    return out;
}

// The frames in which the plug-in refreshed: it asks for the player's index first thing.
std::vector<long long> refreshFrames(const std::vector<Event>& trace) {
    std::vector<long long> out;
    for (const Event& e : trace_reader::nativeCalls(trace, velquist::natives::playerId))
        out.push_back(e.f());
    return out;
}

// The tick count of every line, in order.
std::vector<uint64_t> ticks(const std::string& trace) {
    std::vector<uint64_t> out;
    for (size_t at = trace.find("\"t\":"); at != std::string::npos;
         at = trace.find("\"t\":", at + 4))
        out.push_back(std::stoull(trace.substr(at + 4, 12)));
    return out;
}

class TickWrap : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        baseline_ = new sim_process::Result(sim_process::run(scenario(100000)));
        expected_ = new std::vector<std::string>(withoutTime(baseline_->traceText));
    }
    static void TearDownTestSuite() {
        delete baseline_;
        delete expected_;
    }
    static sim_process::Result* baseline_;
    static std::vector<std::string>* expected_;

    // The scenario with the wrap just before frame f, checked against the baseline.
    static void expectSameWithWrapBefore(long long f) {
        const uint64_t start = wrap + 8 - static_cast<uint64_t>(f * frameMs);
        const auto r = sim_process::runUnparsed(scenario(start));
        ASSERT_EQ(r.exitCode, 0) << r.errors;
        const auto actual = withoutTime(r.traceText);
        ASSERT_EQ(actual.size(), expected_->size());
        // Every line's tick count is where the frame puts it: the wrap is before frame f.
        const auto t = ticks(r.traceText);
        ASSERT_EQ(t.size(), expected_->size());
        for (size_t i = 0; i < t.size(); ++i)
            ASSERT_EQ(t[i],
                      (start + static_cast<uint64_t>(baseline_->trace[i].f() * frameMs)) % wrap);
        for (size_t i = 0; i < expected_->size(); ++i)
            ASSERT_EQ(actual[i], (*expected_)[i]) << "trace line " << i + 1;
    }
};

sim_process::Result* TickWrap::baseline_ = nullptr;
std::vector<std::string>* TickWrap::expected_ = nullptr;

TEST_F(TickWrap, BaselineUsesEveryTimedWait) {
    const auto& trace = baseline_->trace;
    ASSERT_EQ(baseline_->exitCode, 0) << baseline_->errors;
    // Opening, every move and step, every page in and out, the menu closed by the held
    // menu key and opened again after its pause.
    EXPECT_GE(only(trace, "sound").size(), 16u);
    // Both runs timed and shown; the second result is gone 5 s after it came.
    std::set<std::string> texts;
    for (const Event& e : only(trace, "text"))
        texts.insert(e["text"].str());
    EXPECT_EQ(texts.count("Acceleration 0-100kmh:"), 1u);
}

TEST_F(TickWrap, RefreshEveryFrameOnBothSidesOfTheWrap) {
    // 16 ms frames and a 12 ms interval: a refresh in every frame, the frames around the
    // wrap included. The plug-in asks for the player's index first thing in a refresh.
    const auto r = sim_process::run(
        "tick 4294966896\nvehicle adder label=ADDER class=7\n"
        "enter adder\nrun 800\n",
        {"--natives"});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const auto refreshes = refreshFrames(r.trace);
    ASSERT_EQ(refreshes.size(), 50u);  // frames 0 to 49; the wrap comes at frame 25
    for (size_t i = 0; i < refreshes.size(); ++i)
        EXPECT_EQ(refreshes[i], static_cast<long long>(i));
    EXPECT_EQ(r.trace.back().t(), 4294966896ll + 49 * 16 - (1ll << 32));
}

TEST_F(TickWrap, InsideTheMenusWaitsAndThePauseAfterItCloses) {
    // Every sound marks a poll that came after a wait or a pause; the wrap goes in just
    // before each of them, inside the wait that led there.
    for (const Event& sound : only(baseline_->trace, "sound")) {
        if (sound.f() < 4) continue;  // the first opening, right after loading
        SCOPED_TRACE("wrap before frame " + std::to_string(sound.f() - 2));
        expectSameWithWrapBefore(sound.f() - 2);
        if (HasFatalFailure()) return;
    }
}

TEST_F(TickWrap, InsideTheAccelerationTimerAndTheResultsFiveSeconds) {
    // Frames where the overlay starts, shows the running time, the result, and ends.
    std::vector<long long> overlayFrames;
    for (const Event& e : only(baseline_->trace, "text"))
        if (e["text"].str() == "Acceleration 0-100kmh:") overlayFrames.push_back(e.f());
    ASSERT_FALSE(overlayFrames.empty());
    std::vector<long long> places = {overlayFrames.front() + 1, overlayFrames.front() + 100,
                                     overlayFrames.back() - 20, overlayFrames.back() + 1};
    for (size_t i = 1; i < overlayFrames.size(); ++i)
        if (overlayFrames[i] != overlayFrames[i - 1] + 1) {  // the first result's end
            places.push_back(overlayFrames[i - 1] - 10);
            places.push_back(overlayFrames[i - 1] + 1);
        }
    for (long long f : places) {
        SCOPED_TRACE("wrap before frame " + std::to_string(f));
        expectSameWithWrapBefore(f);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
