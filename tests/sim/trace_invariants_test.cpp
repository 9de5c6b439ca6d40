// The trace reader of the invariant checker, the invariants themselves and the summary by
// marked segments.
#include <gtest/gtest.h>

#include <string>

#include "robustness/trace_invariants.h"
#include "robustness/trace_line.h"
#include "support/trace_reader.h"

using trace_check::Checker;
using trace_check::TraceLine;
using trace_check::TraceValue;

namespace {

const std::string texture1 = R"({"f":0,"t":100000,"ev":"texture","id":1,"path":"Damage.png"})";

std::string draw(const std::string& changes = "", int frame = 1) {
    std::string fields = R"("id":1,"tex":"Damage.png","index":0,"level":-9996,"time":150,)"
                         R"("size":[0.162,0.162],"center":[0.5,0.5],"pos":[0.9,0.92],"rot":0,)"
                         R"("aspect":1.77778,"rgba":[1,0,0,0.5])";
    // Each change is "key":value and replaces that field.
    size_t at = 0;
    while (at < changes.size()) {
        size_t end = changes.find(";", at);
        if (end == std::string::npos) end = changes.size();
        const std::string change = changes.substr(at, end - at);
        const std::string key = change.substr(0, change.find(':') + 1);
        const size_t from = fields.find(key);
        size_t to = from + key.size();
        int depth = 0;
        while (to < fields.size() && (depth > 0 || fields[to] != ',')) {
            if (fields[to] == '[') ++depth;
            if (fields[to] == ']') --depth;
            ++to;
        }
        fields.replace(from, to - from, change);
        at = end + 1;
    }
    return R"({"f":)" + std::to_string(frame) + R"(,"t":100016,"ev":"draw",)" + fields + "}";
}

Checker check(std::initializer_list<std::string> lines) {
    Checker c;
    for (const std::string& l : lines)
        c.line(l);
    c.finish();
    return c;
}

std::string firstViolation(std::initializer_list<std::string> lines) {
    const Checker c = check(lines);
    return c.violations().empty() ? "" : c.violations().front().what;
}

TEST(TraceLineReader, ReadsNumbersStringsArraysBooleansAndNull) {
    TraceLine l;
    ASSERT_TRUE(
        l.parse(R"({"a":-1.5e2,"b":"x\"\\\u00ff\u0001","c":[1,"nan",2],"d":true,"e":null})"));
    double a = 0;
    EXPECT_TRUE(l.number("a", a));
    EXPECT_EQ(a, -150);
    EXPECT_EQ(l.text("b"), std::string("x\"\\\xff\x01"));
    const TraceValue* c = l.find("c");
    ASSERT_NE(c, nullptr);
    ASSERT_EQ(c->items.size(), 3u);
    EXPECT_TRUE(trace_check::isFiniteNumber(&c->items[0]));
    EXPECT_FALSE(trace_check::isFiniteNumber(&c->items[1]));  // the trace's "nan"
    EXPECT_TRUE(l.find("d")->boolean);
    EXPECT_EQ(l.find("e")->kind, TraceValue::Kind::null);
    EXPECT_EQ(l.find("z"), nullptr);
}

TEST(TraceLineReader, RefusesWhatIsNoFlatObject) {
    TraceLine l;
    for (const char* bad : {R"({"a":[[1]]})", R"({"a" 1})", R"({"a":1} x)", R"({"a":"open)",
                            R"([1,2])", R"({"a":1,})", R"({"a":tru})", R"({"a":"\u0100"})", ""})
        EXPECT_FALSE(l.parse(bad)) << bad;
}

TEST(TraceInvariants, SoundTraceKeepsThemAll) {
    const Checker c = check(
        {texture1, draw(), draw(R"("level":-9999;"rgba":[1,1,1,1.1])"),
         draw(R"("level":-9992;"rot":-3.5;"pos":[-2,7])"),
         R"({"f":2,"t":100032,"ev":"text","text":"General","font":0,"scale":0.29,"rgba":[0,0,0,255],"pos":[0.005,0.0564],"centre":false})",
         R"({"f":2,"t":100032,"ev":"rect","centre":[0.5,0.5],"size":[1,1],"rgba":[0,0,0,1]})",
         R"({"f":2,"t":100032,"ev":"rect","centre":[0.0651042,0.0694444],"size":[0.125,0.0275463],"rgba":[80,80,80,235]})"});
    EXPECT_EQ(c.violationCount(), 0u) << c.violations().front().what;
    EXPECT_EQ(c.lines(), 7u);
}

TEST(TraceInvariants, DrawOfATextureNotYetCreated) {
    EXPECT_EQ(firstViolation({draw()}), "a draw of a texture that was not created: id 1");
    EXPECT_EQ(firstViolation({texture1, draw(R"("id":2)")}),
              "a draw of a texture that was not created: id 2");
}

TEST(TraceInvariants, DrawTimeAndLevel) {
    EXPECT_EQ(firstViolation({texture1, draw(R"("time":100)")}),
              "a draw with a time other than 150: 100.000000");
    EXPECT_EQ(firstViolation({texture1, draw(R"("level":-10000)")}),
              "a draw at a level outside -9999..-9992: -10000.000000");
    EXPECT_EQ(firstViolation({texture1, draw(R"("level":-9991)")}),
              "a draw at a level outside -9999..-9992: -9991.000000");
}

TEST(TraceInvariants, DrawValuesThatAreNotFinite) {
    EXPECT_EQ(firstViolation({texture1, draw(R"("size":["inf",0.1])")}),
              "a draw with a size that is not finite");
    EXPECT_EQ(firstViolation({texture1, draw(R"("center":[0.5])")}),
              "a draw with a pivot that is not finite");
    EXPECT_EQ(firstViolation({texture1, draw(R"("pos":[0.5,"-inf"])")}),
              "a draw with a position that is not finite");
    EXPECT_EQ(firstViolation({texture1, draw(R"("rot":"nan")")}),
              "a draw with a rotation that is not finite");
    EXPECT_EQ(firstViolation({texture1, draw(R"("aspect":"nan")")}),
              "a draw with an aspect factor that is not finite");
    EXPECT_EQ(firstViolation({texture1, draw(R"("rgba":[1,1,1,"nan"])")}),
              "a draw with a colour or opacity that is not finite");
}

TEST(TraceInvariants, MenuTextsAndRectanglesOffTheScreen) {
    EXPECT_EQ(
        firstViolation(
            {R"({"f":1,"t":1,"ev":"text","text":"Mod","font":0,"scale":0.3,"rgba":[0,0,0,255],"pos":[1.2,0.1],"centre":false})"}),
        "a text placed off the screen: \"Mod\"");
    EXPECT_EQ(
        firstViolation(
            {R"({"f":1,"t":1,"ev":"text","text":"Mod","font":0,"scale":"inf","rgba":[0,0,0,255],"pos":[0.2,0.1],"centre":false})"}),
        "a text with a scale that is not finite");
    EXPECT_EQ(
        firstViolation(
            {R"({"f":1,"t":1,"ev":"rect","centre":[0.9,0.5],"size":[0.3,0.1],"rgba":[0,0,0,160]})"}),
        "a rectangle reaching off the screen");
    EXPECT_EQ(
        firstViolation(
            {R"({"f":1,"t":1,"ev":"rect","centre":[0.5,0.5],"size":[0.1,-0.1],"rgba":[0,0,0,160]})"}),
        "a rectangle whose place or size is not finite and positive");
}

TEST(TraceInvariants, BrokenLinesAndFramesGoingBack) {
    EXPECT_EQ(firstViolation({"{\"f\":1"}), "not a trace object: unterminated object");
    EXPECT_EQ(firstViolation({R"({"f":1,"ev":"sound"})"}), "an event without f, t and ev");
    EXPECT_EQ(firstViolation({R"({"f":5,"t":1,"ev":"sound"})", R"({"f":4,"t":1,"ev":"sound"})"}),
              "the frame number went back");
}

TEST(TraceInvariants, KeepsTheFirstFiftyViolationsAndCountsAll) {
    Checker c;
    for (int i = 0; i < 70; ++i)
        c.line(draw());
    EXPECT_EQ(c.violationCount(), 70u);
    EXPECT_EQ(c.violations().size(), Checker::keptViolations);
    EXPECT_EQ(c.violations()[3].line, 4u);
}

TEST(TraceSegments, MarksSplitTheTraceIntoCountedSegments) {
    const Checker c = check({
        texture1,
        R"({"f":0,"t":100000,"ev":"mark","text":"drive"})",
        draw("", 1),
        draw("", 1),
        draw("", 2),
        draw("", 6),
        R"({"f":7,"t":100112,"ev":"mark","text":"menu"})",
        R"({"f":8,"t":100128,"ev":"text","text":"Velquist v1.2.3e","font":1,"scale":0.5,"rgba":[255,255,255,255],"pos":[0.007,0.0122],"centre":false})",
        R"({"f":8,"t":100128,"ev":"notify","text":"Reloaded settingsExtended.ini"})",
        R"({"f":9,"t":100144,"ev":"memory","rss":38000,"heap":8000000})",
    });
    ASSERT_EQ(c.segments().size(), 3u);
    EXPECT_EQ(c.segments()[0].mark, "");
    const auto& drive = c.segments()[1];
    EXPECT_EQ(drive.mark, "drive");
    EXPECT_EQ(drive.events.at("draw"), 4u);
    EXPECT_EQ(drive.framesWithDraw, 3u);
    EXPECT_EQ(drive.longestFramesWithoutDraw, 3u);  // frames 3, 4 and 5
    EXPECT_EQ(drive.firstFrame, 0);
    EXPECT_EQ(drive.lastFrame, 6);
    const auto& menu = c.segments()[2];
    EXPECT_EQ(menu.titles, std::set<std::string>{"Velquist v1.2.3e"});
    EXPECT_EQ(menu.notifications, std::set<std::string>{"Reloaded settingsExtended.ini"});
    ASSERT_EQ(menu.memory.size(), 1u);
    EXPECT_EQ(menu.memory[0], (std::pair<int64_t, int64_t>{38000, 8000000}));
    EXPECT_EQ(menu.lastTick, 100144);

    // The summary is JSON Lines: one object per segment and one with the totals.
    const auto summary = trace_reader::parseLines(trace_check::summaryJson(c));
    ASSERT_EQ(summary.size(), 4u);
    EXPECT_EQ(summary[1]["mark"].str(), "drive");
    EXPECT_EQ(summary[1]["events"]["draw"].num(), 4);
    EXPECT_EQ(summary[2]["memory"][0][1].num(), 8000000);
    EXPECT_EQ(summary[3]["violations"].num(), 0);
}

}  // namespace
