// The trace comparator: event-for-event equality with a tolerance for numbers only, and
// reports that name the line and the field.
#include <gtest/gtest.h>

#include "tools/trace_compare.h"

using trace_compare::compare;

namespace {

const std::string drawLine =
    R"({"f":3,"t":100048,"ev":"draw","id":1,"size":[0.81,0.81],"rot":0.25,"tex":"Shadow\\A.png"})";

TEST(TraceCompare, EqualTracesWithNumbersInsideTheTolerance) {
    const std::string a = drawLine + "\n" + R"({"f":4,"t":100064,"ev":"notify","text":"x"})" + "\n";
    const std::string b =
        R"({"f":3,"t":100048,"ev":"draw","id":1,"size":[0.810009,0.81],"rot":0.25,"tex":"Shadow\\A.png"})"
        "\n"
        R"({"f":4,"t":100064,"ev":"notify","text":"x"})"
        "\n";
    const auto r = compare(a, b);
    EXPECT_TRUE(r.equal());
    EXPECT_EQ(r.eventsA, 2u);
    EXPECT_EQ(r.eventsB, 2u);
}

TEST(TraceCompare, NumberBeyondTheToleranceIsReportedWithLineAndField) {
    const std::string b =
        R"({"f":3,"t":100048,"ev":"draw","id":1,"size":[0.81,0.81002],"rot":0.25,"tex":"Shadow\\A.png"})";
    const auto r = compare("\n" + drawLine + "\n", "\n" + b + "\n");
    ASSERT_FALSE(r.equal());
    ASSERT_EQ(r.differences.size(), 1u);
    EXPECT_EQ(r.differences[0].lineA, 2u);
    EXPECT_EQ(r.differences[0].field, "size[1]");
    EXPECT_EQ(r.differences[0].valueA, "0.81");
    EXPECT_EQ(r.differences[0].valueB, "0.81002");
    EXPECT_EQ(trace_compare::describe(r.differences[0], "linux", "windows"),
              "line 2: field \"size[1]\": 0.81 in linux, 0.81002 in windows");
}

TEST(TraceCompare, TextsAndTypesMustMatchExactly) {
    EXPECT_FALSE(compare(R"({"text":"Mod"})", R"({"text":"Mod "})").equal());
    EXPECT_FALSE(compare(R"({"id":1})", R"({"id":"1"})").equal());
    EXPECT_FALSE(compare(R"({"rot":"nan"})", R"({"rot":0})").equal());
    EXPECT_FALSE(compare(R"({"centre":true})", R"({"centre":false})").equal());
    EXPECT_FALSE(compare(R"({"rgba":[1,2,3]})", R"({"rgba":[1,2,3,4]})").equal());
    // The same bytes written with and without an escape are the same text.
    EXPECT_TRUE(compare(R"({"text":"\u0041\u00e9"})", "{\"text\":\"A\xe9\"}").equal());
}

TEST(TraceCompare, KeyOrderDoesNotMatterButMissingKeysDo) {
    EXPECT_TRUE(compare(R"({"a":1,"b":2})", R"({"b":2,"a":1})").equal());
    const auto r =
        compare(R"({"ev":"texture","id":3})", R"({"ev":"texture","id":3,"missing":true})");
    ASSERT_EQ(r.differences.size(), 1u);
    EXPECT_EQ(r.differences[0].field, "missing");
    EXPECT_EQ(r.differences[0].valueA, "(absent)");
    EXPECT_EQ(r.differences[0].valueB, "true");
}

TEST(TraceCompare, ExtraEventIsReportedAtItsLine) {
    const auto r = compare(drawLine + "\n", drawLine + "\n" + R"({"ev":"sound"})" + "\n");
    ASSERT_FALSE(r.equal());
    EXPECT_EQ(r.differingEvents, 1u);
    ASSERT_EQ(r.differences.size(), 1u);
    EXPECT_EQ(r.differences[0].lineA, 0u);
    EXPECT_EQ(r.differences[0].lineB, 2u);
    EXPECT_EQ(r.differences[0].valueA, "(no event)");
    EXPECT_EQ(trace_compare::describe(r.differences[0], "a", "b"),
              "line 2: event: (no event) in a, {\"ev\":\"sound\"} in b");
}

TEST(TraceCompare, LargeIntegersAreComparedAsWritten) {
    EXPECT_FALSE(compare(R"({"n":9007199254740993})", R"({"n":9007199254740992})").equal());
    EXPECT_TRUE(compare(R"({"t":4294967295})", R"({"t":4294967295})").equal());
}

TEST(TraceCompare, CountsEveryDifferingEventButKeepsOnlyTheFirstDifferences) {
    std::string a, b;
    for (int i = 0; i < 30; ++i) {
        a += "{\"f\":" + std::to_string(i) + "}\n";
        b += "{\"f\":" + std::to_string(i + 1) + "}\n";
    }
    const auto r = compare(a, b, trace_compare::defaultTolerance, 5);
    EXPECT_EQ(r.differingEvents, 30u);
    EXPECT_EQ(r.differences.size(), 5u);
    EXPECT_EQ(r.differences[4].lineA, 5u);
}

TEST(TraceCompare, MalformedLineIsAnErrorNamingTheTraceAndLine) {
    const auto r = compare(drawLine + "\n", drawLine + "\n{\"ev\":\"draw\",}\n");
    EXPECT_FALSE(r.equal());
    EXPECT_NE(r.error.find("line 2 of the second trace is not JSON"), std::string::npos) << r.error;
    EXPECT_NE(compare("[1,2]", "[1,2]").error.find("not an object"), std::string::npos);
    EXPECT_FALSE(compare(R"({"a":1} x)", R"({"a":1})").error.empty());
    EXPECT_FALSE(compare(R"({"a":1,"a":2})", R"({"a":1})").error.empty());
    EXPECT_FALSE(compare(std::string(200, '['), "{}").error.empty());
}

}  // namespace
