// Gorlak Zombies in a web page: the entry point. Without options the game
// plays as on the desktop: start, one pass of the shared loop per browser
// callback (core/program.h), stop. With level=NAME in the page's address it
// plays that level by itself, for tests and benchmarks (web/level_run.h).
#include "core/game.h"
#include "core/program.h"
#include "web/browser_loop.h"
#include "web/level_run.h"
#include "web/page.h"

#include <cstdint>

namespace {

PassResult playPass()
{
    const Game *game = runningGame();
    const std::uint32_t before = game != nullptr ? game->lastFrameTick : 0;
    if (runOneFrame() != ProgramState::Running) {
        return PassResult::Finished;
    }
    game = runningGame();
    return game != nullptr && game->lastFrameTick != before ? PassResult::Frame : PassResult::Waited;
}

void endPlay()
{
    page::ended(stopProgram());
}

void endLevelRun()
{
    page::ended(finishLevelRun());
}

}  // namespace

int main(int argc, char **argv)
{
    LevelRunOptions options;
    if (!readLevelRunOptions(argc, argv, options)) {
        page::ended(1);
        return 1;
    }
    if (!options.levelFile.empty()) {
        if (!startLevelRun(options)) {
            endLevelRun();
            return 1;
        }
        page::started();
        runInBrowser(BrowserLoop{levelRunPass, msUntilNextLevelRunPass, endLevelRun});
        return 0;
    }
    if (!startProgram()) {
        endPlay();
        return 1;
    }
    page::started();
    runInBrowser(BrowserLoop{playPass, msUntilNextFrame, endPlay});
    return 0;
}
