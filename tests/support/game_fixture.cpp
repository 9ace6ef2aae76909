#include "game_fixture.h"

#include "core/collectables.h"
#include "core/startup.h"
#include "gfx/scene_render.h"
#include "world/blood_particles.h"
#include "world/cell_grid.h"
#include "world/clock.h"
#include "world/grid_simulation.h"
#include "world/level_markers.h"
#include "world/random.h"
#include "world/zombie.h"

void GameFixture::SetUp()
{
    savedDirectory = std::filesystem::current_path();
    std::filesystem::current_path(GORLAK_TEST_DATA_DIR "/e2e_content");
    gameclock::drive(100000);
    ASSERT_TRUE(startUp());
    seedRandom(1234);
    game = std::make_unique<Game>();
}

void GameFixture::TearDown()
{
    game.reset();
    resetProgramState();
    SDL_Quit();
    gameclock::release();
    std::filesystem::current_path(savedDirectory);
}

void GameFixture::runFrame()
{
    gameclock::advance(33);
    game->update();
}

void GameFixture::pushKey(SDLKey key, bool down)
{
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.type = event.type;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
}
