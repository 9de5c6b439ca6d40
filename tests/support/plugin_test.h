// The fixtures of the unit tests that run the plug-in's code against the test host.
#pragma once

#include <gtest/gtest.h>

#include <optional>

#include "support/game_folder.h"
#include "support/test_host.h"

namespace testing_host {

// Every test starts with a fresh test host and fresh plug-in state.
class PluginTest : public ::testing::Test {
  protected:
    void SetUp() override { reset(); }
};

// The same, with an empty game folder that the plug-in's files point into. The folder
// comes after the reset, which forgets the plug-in's file.
class FolderTest : public PluginTest {
  protected:
    void SetUp() override {
        PluginTest::SetUp();
        folder.emplace();
    }
    std::optional<GameFolder> folder;
};

}  // namespace testing_host
