// The general settings' key table agrees with the in-memory defaults and keeps every
// default inside its own range.
#include <gtest/gtest.h>

#include "settings/general_keys.h"

namespace {

TEST(GeneralKeys, DefaultsMatchTheSettingsAndLieInTheirRanges) {
    const velquist::GeneralSettings fresh;
    for (const auto& k : velquist::generalKeys) {
        EXPECT_EQ(fresh.*k.field, k.defaultValue) << k.key;
        EXPECT_LE(k.minimum, k.defaultValue) << k.key;
        EXPECT_LE(k.defaultValue, k.maximum) << k.key;
        EXPECT_EQ(k.comment[0], ';') << k.key;
    }
}

}  // namespace
