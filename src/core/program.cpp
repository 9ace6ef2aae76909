#include "core/program.h"

#include "core/content_location.h"
#include "core/game_session.h"
#include "core/joystick_report.h"
#include "core/startup.h"

#include <SDL.h>

namespace {

// Frees the program-wide surfaces and shuts SDL down on every way out.
struct SdlSession {
    ~SdlSession()
    {
        releaseStartUpObjects();
        SDL_Quit();
    }
};

LoopHook loopHook = nullptr;

}  // namespace

void setLoopHook(LoopHook hook)
{
    loopHook = hook;
}

int runProgram()
{
    if (!enterContentDirectory()) {
        return 1;
    }
    SdlSession sdl;
    if (!startUp()) {
        return 1;
    }
    GameSession session;
    if (!session.loadLevels()) {
        return 1;
    }
    const int joystickIndex = openJoystick();
    if (joystickIndex >= 0) {
        session.addJoystick(joystickIndex);
    }

    if (!session.loadNextLevel()) {
        return 1;
    }
    while (session.running()) {
        if (!session.runFrame()) {
            return 1;
        }
        // Sleep until the next frame is due instead of spinning on the clock.
        SDL_Delay(session.game.msUntilNextFrame());
        if (loopHook != nullptr) {
            loopHook(session.game);
        }
    }
    return 0;
}
