// Play-throughs: one recorded input per shipped level that takes every gem
// and walks into the door, and the outro's closing scene.
#include "support/replay_harness.h"

#include "core/collectables.h"
#include "gfx/video.h"
#include "world/blood_particles.h"
#include "world/level_markers.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const std::filesystem::path kReplayDirectory = GORLAK_TEST_DATA_DIR "/replays";

// Plays the level's script from its list position and checks that the next
// level was loaded; the door opens only once every gem is taken, so this
// also means the level was cleared.
void expectFinished(const std::string &scriptName)
{
    ReplayScript script;
    std::string error;
    ASSERT_TRUE(loadReplayScript(kReplayDirectory / scriptName, script, error)) << error;
    ReplayHarness harness(GORLAK_SOURCE_DIR);
    ASSERT_TRUE(harness.started());
    const int frames = harness.play(script, true);
    const ReplayState state = harness.state();
    EXPECT_EQ(state.levelIndex, script.startLevel + 1)
        << scriptName << ": still on the level after " << frames << " frames at (" << state.playerPosition.x
        << ", " << state.playerPosition.y << ") with " << state.collectablesLeft << " gems left";
    EXPECT_TRUE(state.running);
    EXPECT_FALSE(harness.session().game.levelFinished);
}

}  // namespace

TEST(ReplayScript, reads_commands_and_orders_events_by_frame)
{
    std::istringstream text("level 3   # third level\n"
                            "frame 40 release d\n"
                            "frame 12 press d\n"
                            "frame 41 mouse 600 300\n"
                            "frame 41 button down\n"
                            "frame 50 axis 2 -32000\n"
                            "frame 50 hat 0 1\n"
                            "frame 51 joybutton 3 up\n");
    ReplayScript script;
    std::string error;
    ASSERT_TRUE(parseReplayScript(text, script, error)) << error;
    EXPECT_EQ(script.startLevel, 3);
    EXPECT_EQ(script.frames, 52);
    ASSERT_EQ(script.events.size(), 7u);
    EXPECT_EQ(script.events[0].frame, 12);
    EXPECT_EQ(script.events[0].event.type, SDL_KEYDOWN);
    EXPECT_EQ(script.events[1].event.type, SDL_KEYUP);
    EXPECT_EQ(script.events[2].event.motion.x, 600);
    EXPECT_EQ(script.events[3].event.type, SDL_MOUSEBUTTONDOWN);
    EXPECT_EQ(script.events[4].event.jaxis.value, -32000);
    EXPECT_EQ(script.events[5].event.jhat.value, 1);
    EXPECT_EQ(script.events[6].event.type, SDL_JOYBUTTONUP);
}

TEST(ReplayScript, rejects_unknown_commands_and_bad_numbers_naming_the_line)
{
    for (const char *text : {"frame 1 press q\n", "frame -1 press d\n", "frame 3 axis 2 40000\n",
                             "frame 3 button sideways\n", "frame 3 press d d\n", "jump\n", "level 0\n"}) {
        std::istringstream in(std::string("# fine\n") + text);
        ReplayScript script;
        std::string error;
        EXPECT_FALSE(parseReplayScript(in, script, error)) << text;
        EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    }
}

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
    EXPECT_EQ(second.playerPosition.x, first.playerPosition.x);
    EXPECT_EQ(second.playerPosition.y, first.playerPosition.y);
    EXPECT_EQ(second.bloodCells, first.bloodCells);
    // The input moved the player to the right.
    EXPECT_GT(first.playerPosition.x, 30.0f);
}

TEST(ReplayHarness, joystick_events_steer_the_player)
{
    std::istringstream text("frames 40\nframe 0 hat 0 2\nframe 30 hat 0 0\n");
    ReplayScript script;
    std::string error;
    ASSERT_TRUE(parseReplayScript(text, script, error)) << error;
    ReplayHarness harness(GORLAK_SOURCE_DIR);
    harness.play(script, false);
    // The hat held right for a second walks the player away from the start.
    EXPECT_GT(harness.state().playerPosition.x, static_cast<float>(playerStart.x) + 30.0f);
}

TEST(Playthrough, level01_first_steps)
{
    expectFinished("level01_first_steps.txt");
}

TEST(Playthrough, level02_blood_pools)
{
    expectFinished("level02_blood_pools.txt");
}

TEST(Playthrough, level03_zombies)
{
    expectFinished("level03_zombies.txt");
}

TEST(Playthrough, level04_tower)
{
    expectFinished("level04_tower.txt");
}

TEST(Playthrough, level05_drain)
{
    expectFinished("level05_drain.txt");
}

TEST(Playthrough, level06_gauntlet_leads_to_the_outro)
{
    expectFinished("level06_gauntlet.txt");
}

TEST(Playthrough, outro_bursts_then_pans_up_to_the_end)
{
    ReplayHarness harness(GORLAK_SOURCE_DIR);
    ASSERT_TRUE(harness.startAt(7));
    const Game &game = harness.session().game;
    ASSERT_TRUE(game.outro);
    // Before the burst (12.25 s) the camera holds at the bottom.
    for (int frame = 0; frame < 360; ++frame) {
        harness.runFrame();
    }
    EXPECT_FALSE(game.outroBurstDone);
    EXPECT_FALSE(game.cameraPanning);
    const int heldCameraY = camera.y;
    for (int frame = 0; frame < 20; ++frame) {
        harness.runFrame();
    }
    EXPECT_TRUE(game.outroBurstDone);
    EXPECT_FALSE(particles.empty());
    // The pan starts at 14.25 s and climbs the stream towards the words.
    for (int frame = 0; frame < 400; ++frame) {
        harness.runFrame();
    }
    EXPECT_TRUE(game.cameraPanning);
    EXPECT_LT(camera.y, heldCameraY);
    EXPECT_NEAR(game.cameraPos.y, 50.0f, 1.0f);
    EXPECT_TRUE(game.running);
    // The outro has no door: the list stays on it.
    EXPECT_EQ(harness.state().levelIndex, 7);
}
