// A started game on the small test content: start-up under the dummy video
// driver, a driven clock and seeded randomness; everything program-wide is
// put back afterwards.
#pragma once

#include "core/game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

class GameFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs exactly one frame: moves the clock on by 33 ms first.
    void runFrame();
    // Pushes a key press or release through SDL's event queue.
    static void pushKey(SDLKey key, bool down);

    std::unique_ptr<Game> game;
    std::filesystem::path savedDirectory;
};
