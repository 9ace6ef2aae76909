#include "gfx/video.h"
#include "support/game_fixture.h"
#include "world/blood_particles.h"
#include "world/cell_grid.h"
#include "world/clock.h"
#include "world/grid_simulation.h"

#include <algorithm>

namespace {

// The outro level on an empty grid, so no burst particle lands early.
class GameOutro : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        ASSERT_TRUE(game && game->loadLevel("data/levels/outro.xml"));
        worldGrid().clear();
    }
    void frameAt(std::uint32_t msAfterStart)
    {
        gameclock::drive(game->outroStart + msAfterStart);
        game->update();
    }
};

}  // namespace

TEST_F(GameOutro, one_burst_of_180_particles_just_after_12250_ms)
{
    const int firstStep = gridSimulation.simulationStep;
    frameAt(12250);
    EXPECT_TRUE(particles.empty());
    EXPECT_GT(gridSimulation.simulationStep, firstStep);  // the blood keeps flowing
    runFrame();
    ASSERT_EQ(particles.size(), 180u);
    int wet = 0;
    for (const auto &particle : particles) {
        wet += particle->makesBlood ? 1 : 0;
        EXPECT_LE((particle->position - Vec2(103.0f, 244.0f)).length(), 5.0f);
    }
    EXPECT_EQ(wet, 60);
    runFrame();
    EXPECT_EQ(particles.size(), 180u);
}

TEST_F(GameOutro, camera_holds_then_climbs_one_pixel_a_frame_to_the_top)
{
    frameAt(14250);
    EXPECT_FALSE(game->cameraPanning);
    EXPECT_EQ(camera, (Rect{85, 208, 64, 48}));
    runFrame();  // still held; the climb starts from here
    EXPECT_TRUE(game->cameraPanning);
    for (int frame = 1; frame <= 198; ++frame) {
        runFrame();
        const int y = std::max(50, 246 - frame);
        ASSERT_EQ(game->cameraPos, Vec2(117, y)) << "frame " << frame;
        ASSERT_EQ(camera, (Rect{85, std::min(208, y - 24), 64, 48})) << "frame " << frame;
    }
}

TEST_F(GameOutro, messages_shown_player_untouched_only_quitting_heard)
{
    const Vec2 start = game->player.position();
    pushKey(SDLK_w, true);
    runFrame();
    EXPECT_EQ(game->player.position(), start);
    EXPECT_FALSE(game->player.keyHeld(Direction::Up) || game->kbMouseMode);
    EXPECT_TRUE(game->running);
    // Far from the player, the message is shown all the same.
    ASSERT_EQ(game->messages.size(), 1u);
    EXPECT_TRUE(game->messages[0]->shown);

    pushKey(SDLK_ESCAPE, true);
    runFrame();
    EXPECT_FALSE(game->running);
}
