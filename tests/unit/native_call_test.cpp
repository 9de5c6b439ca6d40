// The native call builder: argument encodings and result decodings.
#include <gtest/gtest.h>

#include <cstring>

#include "host/native_call.h"
#include "support/plugin_test.h"
#include "support/test_host.h"

using namespace velquist;
using testing_host::host;

namespace {

class NativeCallTest : public testing_host::PluginTest {
  protected:
    const std::vector<uint64_t>& args() const { return host.natives.back().args; }
};

TEST_F(NativeCallTest, PushesEachArgumentKindInOrder) {
    int out = 0;
    const char* text = "STRING";
    native::call(0x1122334455667788, -1, 7u, 1.5f, true, false, text, &out);
    ASSERT_EQ(host.natives.size(), 1u);
    EXPECT_EQ(host.natives[0].hash, 0x1122334455667788u);
    ASSERT_EQ(args().size(), 7u);
    EXPECT_EQ(args()[0], 0x00000000FFFFFFFFu);  // ints are zero-extended
    EXPECT_EQ(args()[1], 7u);
    EXPECT_EQ(args()[2], 0x3FC00000u);  // the float's bits, upper half zero
    EXPECT_EQ(args()[3], 1u);
    EXPECT_EQ(args()[4], 0u);
    EXPECT_EQ(args()[5], reinterpret_cast<uintptr_t>(text));
    EXPECT_EQ(args()[6], reinterpret_cast<uintptr_t>(&out));
}

TEST_F(NativeCallTest, NegativeFloatKeepsItsUpperHalfZero) {
    native::call(1, -2.0f);
    EXPECT_EQ(args()[0], 0xC0000000u);
}

TEST_F(NativeCallTest, IntAndBoolResultsReadTheLow32Bits) {
    host.result[0] = 0xDEADBEEF00000000u | 0xFFFFFFFEu;
    EXPECT_EQ(native::call<int32_t>(1), -2);
    host.result[0] = 0xFFFFFFFF00000000u;  // garbage above, zero below
    EXPECT_FALSE(native::call<bool>(1));
    host.result[0] = 0x0000000000000100u;
    EXPECT_TRUE(native::call<bool>(1));
}

TEST_F(NativeCallTest, FloatResultReadsTheLowPattern) {
    host.result[0] = 0xABCDEF0000000000u | 0x40490FDBu;
    EXPECT_FLOAT_EQ(native::call<float>(1), 3.14159274f);
}

TEST_F(NativeCallTest, TextResultIsThePointerInTheSlot) {
    static const char label[] = "ADDER";
    host.result[0] = reinterpret_cast<uintptr_t>(label);
    EXPECT_EQ(native::call<const char*>(1), label);
}

TEST_F(NativeCallTest, VectorResultReadsFloatsAtOffsets0_8_16) {
    const float x = 1.25f, y = -2.5f, z = 40.0f;
    auto* bytes = reinterpret_cast<unsigned char*>(host.result);
    std::memset(bytes, 0x7F, sizeof host.result);  // padding must not leak into the values
    std::memcpy(bytes + 0, &x, 4);
    std::memcpy(bytes + 8, &y, 4);
    std::memcpy(bytes + 16, &z, 4);
    const native::Vector3 v = native::call<native::Vector3>(1);
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
    EXPECT_EQ(v.z, z);
}

}  // namespace
