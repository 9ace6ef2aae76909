#include "core/program.h"

#include "core/game.h"
#include "core/input_manager.h"
#include "core/joystick_device.h"
#include "core/joystick_report.h"
#include "core/level_list.h"
#include "core/startup.h"
#include "gfx/video.h"

#include <SDL.h>

#include <cstdio>
#include <memory>

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
    SdlSession session;
    if (!startUp()) {
        return 1;
    }
    Game game;
    LevelList levelList;
    if (!loadLevelList(levelList) || !levelList.hasPlayableLevel()) {
        std::fprintf(stderr, "%s: no level to play\n", kLevelListFile);
        return 1;
    }
    const int joystickIndex = openJoystick();
    InputManager input;
    if (joystickIndex >= 0) {
        input.addDevice(joystickIndex, std::make_unique<JoystickDevice>(&game.player));
    }
    game.setInput(&input);

    if (!game.loadLevel(levelList.nextPlayable())) {
        return 1;
    }
    while (game.running) {
        game.update();
        if (game.levelFinished && !game.loadLevel(levelList.nextPlayable())) {
            return 1;
        }
        // Sleep until the next frame is due instead of spinning on the clock.
        SDL_Delay(game.msUntilNextFrame());
        if (loopHook != nullptr) {
            loopHook(game);
        }
    }
    return 0;
}
