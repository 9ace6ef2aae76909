// Play-throughs: one recorded input per shipped level that takes every gem
// and walks into the door, and the outro's closing scene.
#include "support/replay_harness.h"

#include <gtest/gtest.h>

#include <sstream>

class Playthrough : public ::testing::TestWithParam<const char *> {};

// Plays the level's script from its list position and checks that the next
// level was loaded; the door opens only once every gem is taken, so this
// also means the level was cleared.
TEST_P(Playthrough, replay_clears_the_level)
{
    ReplayScript script;
    std::string error;
    ASSERT_TRUE(loadReplayScript(std::string(GORLAK_TEST_DATA_DIR "/replays/") + GetParam() + ".txt", script, error))
        << error;
    ReplayHarness harness(GORLAK_SOURCE_DIR);
    ASSERT_TRUE(harness.started());
    const int frames = harness.play(script, true);
    const ReplayState state = harness.state();
    EXPECT_EQ(state.levelIndex, script.startLevel + 1)
        << "still on the level after " << frames << " frames at (" << state.playerPosition.x << ", "
        << state.playerPosition.y << ") with " << state.collectablesLeft << " gems left";
    EXPECT_TRUE(state.running);
    EXPECT_FALSE(harness.session().game.levelFinished);
}

INSTANTIATE_TEST_SUITE_P(ShippedLevels, Playthrough,
                         ::testing::Values("level01_first_steps", "level02_blood_pools", "level03_zombies",
                                           "level04_stepping_stones", "level05_tower", "level06_undertow",
                                           "level07_blood_rain", "level08_drain", "level09_spill",
                                           "level10_gauntlet", "level11_chimney", "level12_sinking_well",
                                           "level13_mind_the_step", "level14_last_stand"),
                         [](const auto &info) { return std::string(info.param); });

TEST(ReplayHarness, same_seed_and_input_replay_the_same_world)
{
    std::istringstream text("frames 120\nframe 0 press d\nframe 30 press w\nframe 31 release w\n"
                            "frame 60 mouse 900 500\nframe 60 button down\n");
    ReplayScript script;
    std::string error;
    ASSERT_TRUE(parseReplayScript(text, script, error)) << error;
    ReplayState first;
    {
        ReplayHarness harness(GORLAK_SOURCE_DIR);
        harness.play(script, false);
        first = harness.state();
    }
    ReplayHarness harness(GORLAK_SOURCE_DIR);
    harness.play(script, false);
    const ReplayState second = harness.state();
    EXPECT_EQ(second.gridHash, first.gridHash);
    EXPECT_EQ(second.playerPosition, first.playerPosition);
    EXPECT_EQ(second.bloodCells, first.bloodCells);
    // The input moved the player to the right.
    EXPECT_GT(first.playerPosition.x, 30.0f);
}

// The outro's timeline is pinned on the test content; here the shipped
// outro level runs its closing scene to the end and, having no door, stays.
TEST(ShippedOutro, runs_to_the_end_of_its_pan_and_stays_on_the_list)
{
    ReplayHarness harness(GORLAK_SOURCE_DIR);
    ASSERT_TRUE(harness.startAt(15));
    const Game &game = harness.session().game;
    ASSERT_TRUE(game.outro);
    for (int frame = 0; frame < 780; ++frame) {
        harness.runFrame();
    }
    EXPECT_TRUE(game.outroBurstDone && game.cameraPanning);
    EXPECT_NEAR(game.cameraPos.y, 50.0f, 1.0f);
    EXPECT_TRUE(game.running);
    EXPECT_EQ(harness.state().levelIndex, 15);
}
