// The plug-in's telemetry in velquist-sim against the simulated world: the game-memory
// reads it makes (--memory), the natives it calls on vehicle changes (--natives), and
// world lines that stop a scenario before it runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/natives.h"
#include "support/sim_process.h"

using trace_reader::Event;
using trace_reader::nativeCalls;
using trace_reader::only;
namespace natives = velquist::natives;

namespace {

std::vector<Event> inFrame(const std::vector<Event>& events, long long frame) {
    std::vector<Event> out;
    for (const Event& e : events)
        if (e.f() == frame) out.push_back(e);
    return out;
}

void expectReads(const std::vector<Event>& reads, const char* throttle, const char* rpm,
                 const char* gear) {
    ASSERT_EQ(reads.size(), 3u);
    EXPECT_EQ(reads[0]["field"].str(), "throttle");
    EXPECT_EQ(reads[0]["offset"].str(), throttle);
    EXPECT_EQ(reads[1]["field"].str(), "rpm");
    EXPECT_EQ(reads[1]["offset"].str(), rpm);
    EXPECT_EQ(reads[2]["field"].str(), "gear");
    EXPECT_EQ(reads[2]["offset"].str(), gear);
}

TEST(MemoryScenario, ReadsFollowTheGameVersion) {
    const auto r = sim_process::runFile("memory_reads.scn", {"--memory"});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const auto reads = only(r.trace, "read");
    expectReads(inFrame(reads, 0), "0x804", "0x7F4", "0x7C2");  // version 30
    expectReads(inFrame(reads, 2), "0x7D4", "0x7C4", "0x792");  // version 3
    expectReads(inFrame(reads, 3), "0x7E4", "0x7D4", "0x7A2");  // version 4
    expectReads(inFrame(reads, 4), "0x7E4", "0x7D4", "0x7A2");  // version 25
    expectReads(inFrame(reads, 5), "0x804", "0x7F4", "0x7C2");  // version 26
    EXPECT_EQ(inFrame(reads, 0)[2]["value"].num(), 3);
    EXPECT_EQ(inFrame(reads, 3)[1]["value"].num(), 0.625);
    EXPECT_EQ(inFrame(reads, 3)[2]["value"].num(), 4);
    EXPECT_TRUE(inFrame(reads, 6).empty());  // on foot
    EXPECT_TRUE(inFrame(reads, 7).empty());
    // The car with no display name is read like any other.
    const auto wreck = inFrame(reads, 8);
    ASSERT_EQ(wreck.size(), 3u);
    EXPECT_EQ(wreck[0]["vehicle"].str(), "wreck");
    EXPECT_EQ(wreck[1]["value"].str(), "nan");
}

// The gear image drawn in a frame: "Gear3.png", "GearR.png" ... ("" for none).
std::string gearDrawn(const std::vector<Event>& trace, long long frame) {
    std::string gear;
    for (const Event& e : only(inFrame(trace, frame), "draw")) {
        const std::string tex = e["tex"].str();
        if (tex.rfind("GearNumbers\\Gear", 0) == 0) gear = tex.substr(12);
    }
    return gear;
}

TEST(MemoryScenario, PoolsAndObjectsThatCannotBeReadReadZeroWithoutAFault) {
    const auto r = sim_process::runFile("pool_faults.scn", {"--memory"});
    ASSERT_EQ(r.exitCode, 0) << r.errors;  // no fault, and no sanitizer report
    // Two frames in each car: sound, beyond (past the slot count), nowhere (no memory),
    // cutoff (fields in a no-access page), sound; then, all sound again, the three.
    const std::vector<std::string> driven = {"sound", "beyond", "nowhere", "cutoff",
                                             "sound", "beyond", "nowhere", "cutoff"};
    const std::vector<std::string> gears = {"Gear3.png", "GearR.png", "GearR.png", "GearR.png",
                                            "Gear3.png", "Gear6.png", "Gear4.png", "Gear5.png"};
    const auto reads = only(r.trace, "read");
    for (size_t i = 0; i < driven.size(); ++i) {
        const auto frame = static_cast<long long>(2 * i + 1);
        const auto seen = inFrame(reads, frame);
        const bool readable = i == 0 || i >= 4;
        EXPECT_EQ(seen.size(), readable ? 3u : 0u) << driven[i] << " in frame " << frame;
        for (const Event& e : seen)
            EXPECT_EQ(e["vehicle"].str(), driven[i]);
        // Gear 0 with the engine running shows as reverse.
        EXPECT_EQ(gearDrawn(r.trace, frame), gears[i]) << driven[i] << " in frame " << frame;
    }
}

TEST(MemoryScenario, DriveShiftsUpThenDownAgain) {
    const auto r = sim_process::runFile("drive.scn", {"--memory"});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    std::vector<int> gears;
    for (const Event& e : only(r.trace, "read")) {
        if (e["field"].str() == "rpm") {
            EXPECT_GE(e["value"].num(), 0.2);
            EXPECT_LE(e["value"].num(), 1.0);
        }
        if (e["field"].str() == "gear" && (gears.empty() || gears.back() != e["value"].num()))
            gears.push_back(static_cast<int>(e["value"].num()));
    }
    EXPECT_EQ(gears, (std::vector<int>{1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1}));
}

TEST(TelemetryScenario, EachEntryRunsTheVehicleChangeLeavingDoesNot) {
    const auto r = sim_process::run(
        "vehicle adder label=ADDER class=7\n"
        "frames 3\nenter adder\nframes 3\nleave\nframes 3\nenter adder\nframes 3\n",
        {"--natives"});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    const auto changes = nativeCalls(r.trace, natives::entityModel);
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0].f(), 0);  // at start-up, with no vehicle
    EXPECT_EQ(changes[0]["args"][0].num(), 0);
    EXPECT_EQ(changes[1].f(), 3);
    EXPECT_EQ(changes[2].f(), 9);
    EXPECT_EQ(changes[1]["args"][0].num(), changes[2]["args"][0].num());
    EXPECT_EQ(nativeCalls(r.trace, natives::displayNameOfModel).size(), 3u);
}

TEST(TelemetryScenario, NullDisplayNameIsSurvived) {
    const auto r = sim_process::run(
        "vehicle ghost label=null class=7\nset ghost engine=1 speed=10\nenter ghost\nframes 5\n"
        "unload\n",
        {"--natives"});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(nativeCalls(r.trace, natives::displayNameOfModel).size(), 2u);
    EXPECT_EQ(only(r.trace, "unregister").size(), 2u);
}

TEST(WorldScenario, BadWorldLineStopsTheRunBeforeItStarts) {
    const auto r = sim_process::run("vehicle a label=A class=1\nrun 100\nset a rpm=lots\n");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.errors.find("test.scn:3: bad rpm: lots"), std::string::npos) << r.errors;
    EXPECT_TRUE(r.trace.empty());
}

}  // namespace
