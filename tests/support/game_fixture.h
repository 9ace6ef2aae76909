// The program started on the small test content under the dummy video
// driver, on a driven clock with seeded randomness and no level loaded;
// stopping it puts everything program-wide back.
#pragma once

#include "core/game.h"
#include "support/replay_harness.h"

#include <gtest/gtest.h>


class GameFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // One pass of the program's loop: the clock moves on one frame, the
    // frame runs and a finished level makes way for the next.
    void runFrame();
    static void pushKey(SDLKey key, bool down) { pushEvent(keyEvent(key, down)); }

    Game *game = nullptr;  // the running program's
};
