#include "core/program.h"

#include "core/game.h"
#include "core/startup.h"
#include "gfx/door_sprite.h"
#include "gfx/picture_cache.h"
#include "gfx/video.h"

#include <SDL.h>

namespace {

// Frees the program-wide surfaces and shuts SDL down on every way out.
struct SdlSession {
    ~SdlSession()
    {
        resetDoorSprite();
        clearPictureCache();
        resetVideo();
        SDL_Quit();
    }
};

}  // namespace

int runProgram()
{
    SdlSession session;
    if (!startUp()) {
        return 1;
    }
    Game game;
    while (game.running) {
        game.update();
        // Sleep until the next frame is due instead of spinning on the clock.
        SDL_Delay(game.msUntilNextFrame());
    }
    return 0;
}
