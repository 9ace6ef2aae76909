// Restarting a level and pausing the game, through the program's own loop on
// the test content's busy level: a blood pool between walls, two zombies,
// two gems and a timed message that switches after 1.5 s of play.
#include "core/game_session.h"
#include "core/program.h"
#include "gfx/video.h"
#include "gfx/pixel_ops.h"
#include "platform/clock.h"
#include "support/game_fixture.h"
#include "support/temp_path.h"
#include "world/grid_simulation.h"
#include "world/world_state.h"
#include "world/zombie.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kBusyLevel = 3;

struct LevelSnapshot {
    ReplayState state;
    std::vector<Vec2> zombies;
    std::vector<Vec2> gems;
    std::string message;  // the timed message's animation
    std::uint32_t playTime = 0;  // game clock since the level started
    int gridSteps = 0;

    bool operator==(const LevelSnapshot &other) const
    {
        return state.gridHash == other.state.gridHash && state.playerPosition == other.state.playerPosition &&
               zombies == other.zombies && gems == other.gems && message == other.message &&
               playTime == other.playTime && gridSteps == other.gridSteps;
    }
};

LevelSnapshot snapshot(const GameSession &session)
{
    LevelSnapshot shot;
    shot.state = captureState(session);
    for (const auto &zombie : world.zombies) {
        shot.zombies.push_back(zombie->position);
    }
    shot.gems = world.collectables;
    std::sort(shot.gems.begin(), shot.gems.end(), [](Vec2 a, Vec2 b) { return a.x < b.x; });
    const Game &game = session.game;
    if (!game.messages.empty() && game.messages[0]->sprite->animation() != nullptr) {
        shot.message = game.messages[0]->sprite->animation()->name;
    }
    shot.playTime = gameclock::now() - game.outroStart;
    shot.gridSteps = world.gridSimulation.simulationStep;
    return shot;
}

std::vector<std::uint32_t> screenPixels()
{
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < video.screen->h; ++y) {
        for (int x = 0; x < video.screen->w; ++x) {
            pixels.push_back(getPixel(video.screen, x, y));
        }
    }
    return pixels;
}

}  // namespace

using PauseRestart = GameFixture;

TEST_F(PauseRestart, restart_by_key_or_button_loads_the_level_as_fresh)
{
    GameSession &session = *runningSession();
    for (const SDL_Event &restart : {keyEvent(SDLK_r, true), joyButtonEvent(kRestartButton, true)}) {
        ASSERT_TRUE(session.startAt(kBusyLevel));
        runFrame();
        const LevelSnapshot fresh = snapshot(session);
        ASSERT_EQ(fresh.zombies.size(), 2u);
        // Run right, mower roaring, through the zombies and into the pool.
        pushKey(SDLK_d, true);
        pushEvent(mouseMotionEvent(255, 100));
        pushEvent(mouseButtonEvent(SDL_BUTTON_LEFT, true));
        for (int frame = 0; frame < 150; ++frame) {
            runFrame();
        }
        const LevelSnapshot played = snapshot(session);
        ASSERT_NE(played.state.gridHash, fresh.state.gridHash);
        ASSERT_LT(played.zombies.size() + played.gems.size(), 4u);
        pushKey(SDLK_d, false);
        pushEvent(mouseButtonEvent(SDL_BUTTON_LEFT, false));
        pushEvent(restart);
        runFrame();
        EXPECT_FALSE(game->restartRequested);
        EXPECT_EQ(session.levelList.current, kBusyLevel);
        runFrame();
        const LevelSnapshot again = snapshot(session);
        EXPECT_EQ(again.state.gridHash, fresh.state.gridHash);
        EXPECT_EQ(again.state.playerPosition, fresh.state.playerPosition);
        EXPECT_EQ(again.zombies, fresh.zombies);
        EXPECT_EQ(again.gems, fresh.gems);
    }

    // The outro has nothing to restart.
    ASSERT_TRUE(game->loadLevel("data/levels/outro.xml"));
    const std::uint32_t outroStart = game->outroStart;
    runFrame();
    pushKey(SDLK_r, true);
    runFrame();
    runFrame();
    EXPECT_EQ(game->outroStart, outroStart);
    EXPECT_TRUE(game->outro);
}

// Ten seconds paused after 21 frames, then play on to 40 and 80 frames: the
// same world, player, message and game time as 40 and 80 frames unpaused.
TEST_F(PauseRestart, ten_seconds_paused_change_no_timed_behaviour)
{
    std::vector<LevelSnapshot> runs[2];
    for (const bool pause : {false, true}) {
        GameSession &session = *runningSession();
        ASSERT_TRUE(session.startAt(kBusyLevel));
        pushKey(SDLK_d, true);
        std::vector<LevelSnapshot> &shots = runs[pause];
        for (int played = 1; played <= 80; ++played) {
            if (pause && played == 21) {
                pushKey(SDLK_p, true);  // read after the frame has run
            }
            runFrame();
            if (pause && played == 21) {
                ASSERT_TRUE(game->paused);
                const std::vector<std::uint32_t> banner = screenPixels();
                const LevelSnapshot before = snapshot(session);
                pushKey(SDLK_w, true);  // a jump waits for play to resume
                for (int pass = 0; pass < 303; ++pass) {
                    runFrame();
                    // The loop sleeps a frame interval between looks at the queue.
                    ASSERT_EQ(game->msUntilNextFrame(), kFrameMs);
                }
                EXPECT_EQ(snapshot(session), before);
                EXPECT_TRUE(screenPixels() == banner);
                pushKey(SDLK_w, false);
                pushKey(SDLK_p, true);
                runFrame();
                ASSERT_FALSE(game->paused);
            }
            if (played == 40 || played == 80) {
                shots.push_back(snapshot(session));
            }
        }
        stopProgram();
        SetUp();
    }
    ASSERT_EQ(runs[0].size(), 2u);
    ASSERT_EQ(runs[1].size(), 2u);
    EXPECT_EQ(runs[0][0].message, "door_closed");  // 1.32 s of play
    EXPECT_EQ(runs[0][1].message, "door_open");    // 2.64 s
    EXPECT_EQ(runs[0][1].playTime, 80u * kFrameMs);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(runs[1][i] == runs[0][i]) << "after " << (i + 1) * 40 << " frames";
    }
}

TEST_F(PauseRestart, paused_view_shows_the_banner_and_escape_still_quits)
{
    ASSERT_TRUE(runningSession()->startAt(kBusyLevel));
    runFrame();
    const std::vector<std::uint32_t> before = screenPixels();
    pushEvent(joyButtonEvent(kPauseButton, true));
    runFrame();
    ASSERT_TRUE(game->paused);
    EXPECT_TRUE(gameclock::isHeld());
    // The banner (wider than this small view) lies over its middle rows;
    // the rows above and below stay as they were.
    const std::vector<std::uint32_t> after = screenPixels();
    const int w = video.screen->w;
    const int h = video.screen->h;
    int changed = 0;
    for (std::size_t i = 0; i < after.size(); ++i) {
        const int x = static_cast<int>(i) % w;
        const int y = static_cast<int>(i) / w;
        const bool edge = y < h / 4 || y >= h - h / 4;
        EXPECT_TRUE(!edge || after[i] == before[i]) << x << "," << y;
        changed += after[i] != before[i];
    }
    EXPECT_GT(changed, w * h / 20);
    pushKey(SDLK_ESCAPE, true);
    EXPECT_EQ(runOneFrame(), ProgramState::Quit);
}

// Content without the banner's picture still pauses, and says so once
// however often the paused view is drawn.
TEST_F(PauseRestart, without_its_picture_the_pause_freezes_play_and_says_so_once)
{
    namespace fs = std::filesystem;
    struct TempContent {
        fs::path dir = tempPath("gorlak_no_pause_picture");
        ~TempContent() { fs::remove_all(dir); }
    } content;
    fs::remove_all(content.dir);
    fs::copy(GORLAK_TEST_DATA_DIR "/e2e_content", content.dir, fs::copy_options::recursive);
    fs::remove(content.dir / "data/gfx/paused.png");
    stopProgram();
    ASSERT_TRUE(startProgram(ProgramOptions::reproducible(content.dir, 1234)));
    game = runningGame();
    GameSession &session = *runningSession();
    ASSERT_TRUE(session.startAt(kBusyLevel));
    runFrame();

    SDL_Event expose{};
    expose.type = SDL_VIDEOEXPOSE;
    testing::internal::CaptureStderr();
    for (int round = 0; round < 2; ++round) {
        pushKey(SDLK_p, true);
        runFrame();
        ASSERT_TRUE(game->paused);
        const LevelSnapshot before = snapshot(session);
        pushEvent(expose);
        for (int pass = 0; pass < 40; ++pass)
            runFrame();
        EXPECT_TRUE(snapshot(session) == before);
        pushKey(SDLK_p, true);
        runFrame();
        ASSERT_FALSE(game->paused);
    }
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("data/gfx/paused.png"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}
