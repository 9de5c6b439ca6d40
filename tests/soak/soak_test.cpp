// 24 hours of simulated play (tests/soak/soak.scn) through velquist-sim with the address
// and undefined-behaviour sanitizers, the trace piped into the invariant checker: no
// crash, every frame keeps the invariants, memory stays flat after two hours, the HUD
// keeps refreshing and the menu keeps opening across the wrap of the tick count, and every
// settings file ends well formed with the values saved last.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "robustness/checked_run.h"
#include "settings/profile_keys.h"
#include "support/sim_process.h"
#include "support/temp_files.h"

namespace fs = std::filesystem;
using trace_check::Segment;

namespace {

constexpr int hours = 24;
constexpr int wrapHour = 11;  // counted from 0: the tick count wraps in the 12th hour

struct SoakRun {
    trace_check::RunOutcome outcome;
    trace_check::Checker checker;
    fs::path dataFolder;
};

SoakRun& soak() {
    static SoakRun* run = [] {
        auto* r = new SoakRun;
        const fs::path game = temp_files::folderUntilExit();
        fs::copy(fs::path(VELQUIST_SIM).parent_path() / "Velquist", game / "Velquist",
                 fs::copy_options::recursive);
        r->dataFolder = game / "Velquist";
        // A small quarantine of freed blocks, so that the resident set shows what the
        // simulator holds rather than what the sanitizer keeps back.
        const char* asan = std::getenv("ASAN_OPTIONS");
        const std::string options = std::string("ASAN_OPTIONS=") +
                                    (asan ? std::string(asan) + ":" : "") + "quarantine_size_mb=8";
        r->outcome =
            trace_check::runChecked(VELQUIST_SIM, {VELQUIST_SOAK_SCENARIO, "--game", game.string()},
                                    900, r->checker, {options});
        return r;
    }();
    return *run;
}

// The segments of one kind, in order ("hour", "menu", "accel", ...).
std::vector<const Segment*> segments(const std::string& mark) {
    std::vector<const Segment*> out;
    for (const Segment& s : soak().checker.segments())
        if (s.mark == mark) out.push_back(&s);
    return out;
}

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        out.push_back(l);
    }
    return out;
}

TEST(Soak, NoCrashAndEveryFrameKeepsTheInvariants) {
    const SoakRun& r = soak();
    ASSERT_TRUE(r.outcome.ok()) << r.outcome.describe() << "\n" << r.outcome.errors;
    EXPECT_EQ(r.checker.violationCount(), 0u) << "line " << r.checker.violations().front().line
                                              << ": " << r.checker.violations().front().what;
    EXPECT_EQ(segments("hour").size(), static_cast<size_t>(hours));
    ASSERT_EQ(segments("end").size(), 1u);
    // 24 hours of simulated time, from the first hour's mark to the end.
    const uint32_t span =
        static_cast<uint32_t>(segments("end")[0]->firstTick - segments("hour")[0]->firstTick);
    EXPECT_EQ(span, 24u * 3600000u);
}

TEST(Soak, TheTickCountWrapsDuringTheTwelfthHoursAccelerationTest) {
    std::vector<std::string> wrapped;
    for (const Segment& s : soak().checker.segments())
        if (s.lastTick < s.firstTick) wrapped.push_back(s.mark);
    EXPECT_EQ(wrapped, std::vector<std::string>{"accel"});
    const auto accel = segments("accel");
    ASSERT_EQ(accel.size(), static_cast<size_t>(hours));
    EXPECT_LT(accel[wrapHour]->lastTick, accel[wrapHour]->firstTick);
}

TEST(Soak, MenuOpensAndWorksEveryHourBeforeAndAfterTheWrap) {
    const auto menu = segments("menu");
    ASSERT_EQ(menu.size(), static_cast<size_t>(hours));
    for (int h = 0; h < hours; ++h) {
        SCOPED_TRACE("hour " + std::to_string(h + 1));
        for (const char* title :
             {"Velquist v1.2.3e", "General", "Placement", "Optics", "Analytics"})
            EXPECT_EQ(menu[h]->titles.count(title), 1u) << title;
        EXPECT_EQ(menu[h]->notifications, (std::set<std::string>{"Reloaded the speedo images.",
                                                                 "Reloaded settingsExtended.ini"}));
        // The images were loaded anew: 151 textures (in the first hour the plug-in also
        // loaded them when it started).
        EXPECT_EQ(menu[h]->events.at("texture"), h == 0 ? 302u : 151u);
    }
}

TEST(Soak, RefreshRunsTheAccelerationTestEveryHourAcrossTheWrap) {
    const auto accel = segments("accel");
    ASSERT_EQ(accel.size(), static_cast<size_t>(hours));
    for (int h = 0; h < hours; ++h) {
        SCOPED_TRACE("hour " + std::to_string(h + 1));
        // The overlay shows the run's label and, after it, its result in seconds.
        EXPECT_EQ(accel[h]->texts.count("Acceleration 0-100kmh:"), 1u);
        EXPECT_EQ(accel[h]->texts.count("s"), 1u);
    }
}

TEST(Soak, HudIsDrawnOnEveryFrameInAVehicleBeforeAndAfterTheWrap) {
    // 16 ms frames and up: every frame is due for a refresh, and a refresh in a vehicle
    // draws the cluster (while driving, flying, in a boat and as a passenger).
    for (const char* mark : {"menu", "accel", "cruise", "fly", "boat", "passenger"}) {
        const auto all = segments(mark);
        ASSERT_EQ(all.size(), static_cast<size_t>(hours)) << mark;
        for (int h = 0; h < hours; ++h) {
            SCOPED_TRACE(std::string(mark) + " of hour " + std::to_string(h + 1));
            const Segment& s = *all[h];
            EXPECT_EQ(s.framesWithDraw, static_cast<uint64_t>(s.lastFrame - s.firstFrame + 1));
        }
    }
    // On foot the cluster fades out and stays away.
    for (const Segment* s : segments("foot"))
        EXPECT_EQ(s->framesWithDraw, 0u);
}

TEST(Soak, MemoryStaysFlatAfterTwoHours) {
    std::vector<std::pair<int64_t, int64_t>> samples;  // at each hour's start, then the end
    uint64_t texturesAfterWarmUp = 0;
    int hour = -1;
    for (const Segment& s : soak().checker.segments()) {
        if (s.mark == "hour") ++hour;
        if (hour >= 2 && s.events.count("texture")) texturesAfterWarmUp += s.events.at("texture");
        if ((s.mark == "hour" || s.mark == "end") && !s.memory.empty())
            samples.push_back(s.memory.front());
    }
    ASSERT_EQ(samples.size(), static_cast<size_t>(hours + 1));
    const auto [rssWarm, heapWarm] = samples[2];
    ASSERT_GT(rssWarm, 0);
    ASSERT_GT(heapWarm, 0);
    for (size_t i = 2; i < samples.size(); ++i) {
        SCOPED_TRACE("sample " + std::to_string(i));
        // The resident set may wander by what the allocator and the sanitizer's small
        // quarantine do, never by a leak of the refresh or the menu.
        EXPECT_LT(samples[i].first - rssWarm, 8 * 1024) << "KiB";
        // Live heap bytes: only the host's table of texture ids may grow (every image
        // reload asks for new ids, as in the game), by one small record an id.
        EXPECT_LE(samples[i].second - heapWarm,
                  64 * 1024 + 64 * static_cast<int64_t>(texturesAfterWarmUp));
    }
}

// Every line of a profile file as the plug-in writes it, with the values the soak leaves.
std::vector<std::string> expectedProfile() {
    std::vector<std::string> out;
    const char* section = "";
    for (const auto& k : velquist::profileKeys) {
        if (std::string(section) != k.section) {
            section = k.section;
            out.push_back(std::string("[") + section + "]");
        }
        int32_t value = k.defaultValue;
        // Eight hours in each profile, one step up each: 90 + 8, and 255 + 8 wraps to 7.
        if (std::string(k.key) == "hudSize") value = 98;
        if (std::string(k.key) == "needleRed") value = 7;
        out.push_back(std::string(k.key) + "=" + std::to_string(value) + k.comment);
    }
    return out;
}

TEST(Soak, SettingsFilesAreWellFormedWithTheValuesSavedLast) {
    const fs::path data = soak().dataFolder;
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE("profile " + std::to_string(n));
        EXPECT_EQ(lines(slurp(data / ("settings" + std::to_string(n) + ".ini"))),
                  expectedProfile());
    }
    EXPECT_EQ(lines(slurp(data / "settingsGeneral.ini")),
              (std::vector<std::string>{
                  "[GENERAL]", "menuKey=10;\t\tF1-F12 Key to open the mod menu.\t\t (10) < 1-12>",
                  "refreshInterval=12;\tRefresh interval in ms, affects fps\t\t (12) < 5-50>",
                  "actSetting=1;\t\tWhich settingsX.ini is active\t\t\t ( 1) < 1- 3>"}));
    const auto analytics = lines(slurp(data / "analytics.ini"));
    ASSERT_EQ(analytics.size(), 2u);
    EXPECT_EQ(analytics[0], "[ADDER]");
    // 0 to 100 km/h in the drive model's car: about five and a half seconds.
    ASSERT_EQ(analytics[1].rfind("__0-100kmh=", 0), 0u) << analytics[1];
    const int ms = std::atoi(analytics[1].c_str() + 11);
    EXPECT_GT(ms, 5000);
    EXPECT_LT(ms, 6000);
    EXPECT_EQ(analytics[1], "__0-100kmh=" + std::to_string(ms) + "ms");
    // No half-written file was left behind.
    for (const auto& entry : fs::directory_iterator(data))
        EXPECT_EQ(entry.path().filename().string().find(".~"), std::string::npos) << entry.path();
}

}  // namespace
