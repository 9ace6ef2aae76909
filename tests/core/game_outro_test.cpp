#include "gfx/video.h"
#include "support/game_fixture.h"
#include "world/blood_particles.h"
#include "world/cell_grid.h"
#include "world/clock.h"
#include "world/grid_simulation.h"
#include "world/solid_cell.h"

#include <algorithm>

using GameOutro = GameFixture;

namespace {

// Runs one frame at exactly `ms` after the outro started.
void frameAt(Game &game, std::uint32_t ms)
{
    gameclock::drive(game.outroStart + ms);
    game.update();
}

}  // namespace

TEST_F(GameOutro, one_burst_of_180_particles_just_after_12250_ms)
{
    ASSERT_TRUE(game->loadLevel("data/levels/outro.xml"));
    // Nothing in the way, so no particle lands in its first frame.
    worldGrid().clear();
    frameAt(*game, 12250);
    EXPECT_TRUE(particles.empty());
    EXPECT_FALSE(game->outroBurstDone);

    runFrame();
    ASSERT_EQ(particles.size(), 180u);
    const auto wet = std::count_if(particles.begin(), particles.end(),
                                   [](const auto &p) { return p->makesBlood; });
    EXPECT_EQ(wet, 60);
    for (const auto &particle : particles) {
        EXPECT_LE((particle->position - Vec2(103.0f, 244.0f)).length(), 5.75f * 0.65f + 1.0f);
    }
    // The directions spread over the whole circle.
    const auto upward = std::count_if(particles.begin(), particles.end(),
                                      [](const auto &p) { return p->velocity.y < 0.0f; });
    EXPECT_GT(upward, 20);
    EXPECT_LT(upward, 160);

    runFrame();
    EXPECT_EQ(particles.size(), 180u);
}

TEST_F(GameOutro, camera_holds_then_pans_one_pixel_a_frame_to_the_top)
{
    ASSERT_TRUE(game->loadLevel("data/levels/outro.xml"));
    worldGrid().clear();
    runFrame();
    EXPECT_EQ(camera, (Rect{85, 208, 64, 48}));
    frameAt(*game, 14250);
    EXPECT_FALSE(game->cameraPanning);
    EXPECT_EQ(camera, (Rect{85, 208, 64, 48}));

    runFrame();  // still held; the pan starts from here
    EXPECT_TRUE(game->cameraPanning);
    EXPECT_EQ(game->cameraPos, Vec2(117.0f, 246.0f));
    EXPECT_EQ(camera, (Rect{85, 208, 64, 48}));
    for (int frame = 1; frame <= 196; ++frame) {
        runFrame();
        ASSERT_EQ(game->cameraPos, Vec2(117.0f, 246.0f - static_cast<float>(frame))) << "frame " << frame;
        ASSERT_EQ(camera.y, std::min(208, 246 - frame - 24)) << "frame " << frame;
        ASSERT_EQ(camera.x, 85);
    }
    runFrame();
    runFrame();
    EXPECT_EQ(game->cameraPos, Vec2(117.0f, 50.0f));
    EXPECT_EQ(camera, (Rect{85, 26, 64, 48}));
}

TEST_F(GameOutro, keeps_the_blood_going_without_the_player)
{
    ASSERT_TRUE(game->loadLevel("data/levels/outro.xml"));
    CellGrid &grid = worldGrid();
    grid.clear();
    grid.placeBlood(20, 140);
    grid.slot(21, 140) = std::make_unique<SolidCell>();
    game->bloodSucker = true;
    const Vec2 start = game->player.position();
    const int firstStep = gridSimulation.simulationStep;
    runFrame();
    runFrame();
    EXPECT_EQ(gridSimulation.simulationStep, firstStep + 4);
    EXPECT_EQ(game->player.position(), start);
    EXPECT_EQ(grid.cellAt(20, 140), nullptr);
    EXPECT_NE(grid.cellAt(21, 140), nullptr);
    // The message sits far from the player yet is shown.
    ASSERT_EQ(game->messages.size(), 1u);
    EXPECT_GT((game->messages[0]->position - game->player.centre()).length(), 10.0f);
    EXPECT_TRUE(game->messages[0]->shown);
}

TEST_F(GameOutro, only_quitting_and_the_mouse_are_heard)
{
    ASSERT_TRUE(game->loadLevel("data/levels/outro.xml"));
    runFrame();
    pushKey(SDLK_w, true);
    pushKey(SDLK_d, true);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 40;
    motion.motion.y = 30;
    SDL_PushEvent(&motion);
    SDL_Event button{};
    button.type = SDL_MOUSEBUTTONDOWN;
    button.button.button = SDL_BUTTON_LEFT;
    SDL_PushEvent(&button);
    runFrame();
    EXPECT_FALSE(game->player.keyHeld(Direction::Up));
    EXPECT_FALSE(game->player.keyHeld(Direction::Right));
    EXPECT_FALSE(game->kbMouseMode);
    EXPECT_TRUE(game->running);
    EXPECT_EQ(game->mouse, Vec2(40.0f, 30.0f));
    EXPECT_TRUE(game->leftButtonHeld);

    pushKey(SDLK_ESCAPE, true);
    runFrame();
    EXPECT_FALSE(game->running);
    game->running = true;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    runFrame();
    EXPECT_FALSE(game->running);
}
