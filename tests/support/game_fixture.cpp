#include "game_fixture.h"

#include "core/program.h"

void GameFixture::SetUp()
{
    const ProgramOptions options = ProgramOptions::reproducible(GORLAK_TEST_DATA_DIR "/e2e_content", 1234);
    ASSERT_TRUE(startProgram(options));
    game = runningGame();
}

void GameFixture::TearDown()
{
    game = nullptr;
    stopProgram();
}

void GameFixture::runFrame()
{
    runOneFrame();
}
