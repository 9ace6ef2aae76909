// A started game on the small test content: start-up under the dummy video
// driver, a driven clock and seeded randomness; everything program-wide is
// put back afterwards.
#pragma once

#include "core/game.h"
#include "support/replay_harness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

class GameFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs exactly one frame: moves the clock on by 33 ms first.
    void runFrame();
    static void pushKey(SDLKey key, bool down) { pushEvent(keyEvent(key, down)); }

    std::unique_ptr<Game> game;
    std::filesystem::path savedDirectory;
};
