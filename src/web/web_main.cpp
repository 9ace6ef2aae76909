// Gorlak Zombies in a web page: the entry point. Without options the game
// plays as on the desktop: start, one pass of the shared loop per browser
// callback (core/program.h), stop; the kept progress lives in the page's
// storage, and sound starts once the player has used the page. With
// level=NAME in the page's address it plays that level by itself, for tests
// and benchmarks (web/level_run.h).
#include "core/game.h"
#include "core/game_session.h"
#include "core/program.h"
#include "progress/progress_file.h"
#include "web/browser_loop.h"
#include "web/level_run.h"
#include "web/page.h"
#include "web/page_storage.h"

#include <emscripten.h>

#include <cstdint>
#include <cstdio>

namespace {

// The progress changes already written to the page's storage.
unsigned int progressSaved = 0;

PassResult playPass()
{
    const Game *game = runningGame();
    const std::uint32_t before = game != nullptr ? game->lastFrameTick : 0;
    const ProgramState state = runOneFrame();
    const GameSession *session = runningSession();
    if (session != nullptr && session->progressChanges() != progressSaved) {
        progressSaved = session->progressChanges();
        page::saveStorage();
    }
    if (state != ProgramState::Running) {
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

// Starts the sound if this browser can play it; says once that it cannot.
void startSoundInBrowser()
{
    static bool told = false;
    if (!page::canPlaySound()) {
        if (!told) {
            told = true;
            std::fprintf(stderr, "No sound: this browser cannot play the game's sounds (Web Audio, Ogg Opus)\n");
        }
        return;
    }
    startSound();
}

}  // namespace

// The page's storage has been read: the game starts.
extern "C" EMSCRIPTEN_KEEPALIVE void gorlak_storage_ready()
{
    ProgramOptions options;
    options.soundWaits = true;
    if (!startProgram(options)) {
        endPlay();
        return;
    }
    page::started();
    if (page::soundAllowed()) {
        startSoundInBrowser();
    }
    runInBrowser(BrowserLoop{playPass, msUntilNextFrame, endPlay});
}

// The player has clicked the game or pressed a key on it: the browser now
// lets the page play sound.
extern "C" EMSCRIPTEN_KEEPALIVE void gorlak_allow_sound()
{
    if (runningGame() != nullptr) {
        startSoundInBrowser();
    }
}

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
    // The progress is read at start-up, so the storage comes first; the
    // page lives on after main() to hear that it is ready.
    page::openStorage(progressFilePath().parent_path());
    emscripten_exit_with_live_runtime();
}
