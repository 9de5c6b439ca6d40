// The answer table that every stand-in host answers natives through: what it answers reaches
// the plug-in's call builder intact, and its open addressing holds up when hashes collide.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "answers/answer_table.h"
#include "host/native_call.h"
#include "support/plugin_test.h"
#include "support/test_host.h"

using answers::AnswerTable;
using answers::NativeCall;
using testing_host::host;
namespace native = velquist::native;

namespace {

constexpr uint64_t someNative = 0x0123456789ABCDEFu;

// Hashes that all start their search at the table's first entry.
uint64_t colliding(uint64_t k) {
    return k << 40;
}

using AnswerTableTest = testing_host::PluginTest;

using AnswerRoundTripTest = AnswerTableTest;

TEST_F(AnswerRoundTripTest, FixedAnswersReadBackThroughTheCallBuilder) {
    host.answers.answerInt(someNative, -5);
    EXPECT_EQ(native::call<int32_t>(someNative), -5);
    host.answers.answerFloat(someNative, -0.25f);
    EXPECT_EQ(native::call<float>(someNative), -0.25f);
    host.answers.answerText(someNative, "BLISTA");
    EXPECT_STREQ(native::call<const char*>(someNative), "BLISTA");
    host.answers.answerVector(someNative, 1.5f, -2.0f, NAN);
    const native::Vector3 v = native::call<native::Vector3>(someNative, 7, false);
    EXPECT_EQ(v.x, 1.5f);
    EXPECT_EQ(v.y, -2.0f);
    EXPECT_TRUE(std::isnan(v.z));
}

TEST_F(AnswerRoundTripTest, OutsAreWrittenFromTheirFirstArgumentAndNullIsPassedOver) {
    host.answers.answerOuts(someNative, 1, 200, 30, 20);
    int32_t rgb[3] = {-1, -1, -1};
    native::call(someNative, 12, &rgb[0], &rgb[1], &rgb[2]);
    EXPECT_EQ(rgb[0], 200);
    EXPECT_EQ(rgb[1], 30);
    EXPECT_EQ(rgb[2], 20);

    int32_t only = -1;
    native::call(someNative, 12, &only, static_cast<int32_t*>(nullptr));  // one out, one null
    EXPECT_EQ(only, 200);
}

TEST_F(AnswerRoundTripTest, HandlerReadsTheArgumentsAndItsContext) {
    static int calls = 0;
    int32_t context = 40;
    host.answers.answerWith(
        someNative,
        [](NativeCall& c) {
            ++calls;
            const int32_t base = *static_cast<int32_t*>(c.context());
            const bool ok = c.count() == 4 && c.b(2) && std::strcmp(c.text(3), "x") == 0;
            c.returnInt(ok ? base + c.i32(0) + static_cast<int32_t>(c.f32(1)) : -1);
        },
        &context);
    EXPECT_EQ(native::call<int32_t>(someNative, -2, 0.5f, true, "x"), 38);
    EXPECT_EQ(calls, 1);
}

TEST_F(AnswerRoundTripTest, ANewAnswerReplacesTheWholeOldOne) {
    host.answers.answerOuts(someNative, 0, 1, 2, 3);
    host.answers.answerInt(someNative, 9);
    int32_t out = -1;
    EXPECT_EQ(native::call<int32_t>(someNative, &out), 9);
    EXPECT_EQ(out, -1);  // the outs went with the old answer

    host.answers.answerWith(someNative, [](NativeCall&) {});
    EXPECT_EQ(native::call<int32_t>(someNative), 0);
}

TEST(AnswerTableProbing, CollidingHashesFillEveryEntryAndEachKeepsItsOwnAnswer) {
    static AnswerTable table;
    table.clear();
    for (uint64_t k = 1; k <= AnswerTable::capacity; ++k)
        table.answerInt(colliding(k), static_cast<int32_t>(k));
    for (uint64_t k = 1; k <= AnswerTable::capacity; ++k) {
        const answers::Answer* a = table.find(colliding(k));
        ASSERT_NE(a, nullptr) << k;
        EXPECT_EQ(a->result[0], k);
    }
    // A full table still ends a search for a native it does not hold.
    EXPECT_EQ(table.find(colliding(AnswerTable::capacity + 1)), nullptr);

    table.answerInt(colliding(3), 333);  // replaced in place, not added
    EXPECT_EQ(table.find(colliding(3))->result[0], 333u);
    table.clear();
    EXPECT_EQ(table.find(colliding(3)), nullptr);
}

TEST(AnswerTableProbing, AnUnansweredNativeLeavesTheResultAlone) {
    static AnswerTable table;
    table.clear();
    uint64_t args[1] = {5};
    uint64_t result[4] = {7, 7, 7, 7};
    EXPECT_FALSE(table.answer(someNative, args, 1, result));
    EXPECT_EQ(result[0], 7u);
}

}  // namespace
