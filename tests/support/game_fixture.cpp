#include "game_fixture.h"

#include "core/program_state.h"
#include "core/startup.h"
#include "platform/clock.h"
#include "world/random.h"

void GameFixture::SetUp()
{
    savedDirectory = std::filesystem::current_path();
    std::filesystem::current_path(GORLAK_TEST_DATA_DIR "/e2e_content");
    wallclock::drive(100000);
    ASSERT_TRUE(startUp());
    seedRandom(1234);
    game = std::make_unique<Game>();
}

void GameFixture::TearDown()
{
    game.reset();
    resetProgramState();
    resetRandom();  // the generators back to their program-start state
    SDL_Quit();
    wallclock::release();
    std::filesystem::current_path(savedDirectory);
}

void GameFixture::runFrame()
{
    wallclock::advance(33);
    game->update();
}
