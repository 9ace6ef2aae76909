#include "core/program.h"

#include "core/content_location.h"
#include "core/game_session.h"
#include "core/joystick_report.h"
#include "core/program_state.h"
#include "core/startup.h"

#include <SDL.h>

#include <memory>

namespace {

// Everything one run of the program owns between start and stop.
struct ProgramRun {
    bool sdlStarted = false;
    std::unique_ptr<GameSession> session;
    ProgramState state = ProgramState::Failed;
};

ProgramRun run;
LoopHook loopHook = nullptr;

bool startSession()
{
    if (!enterContentDirectory()) {
        return false;
    }
    run.sdlStarted = true;
    if (!startUp()) {
        return false;
    }
    run.session = std::make_unique<GameSession>();
    if (!run.session->loadLevels()) {
        return false;
    }
    const int joystickIndex = openJoystick();
    if (joystickIndex >= 0) {
        run.session->addJoystick(joystickIndex);
    }
    return run.session->loadNextLevel();
}

}  // namespace

bool startProgram()
{
    run.state = startSession() ? ProgramState::Running : ProgramState::Failed;
    return run.state == ProgramState::Running;
}

ProgramState runOneFrame()
{
    if (run.state != ProgramState::Running) {
        return run.state;
    }
    if (!run.session->runFrame()) {
        run.state = ProgramState::Failed;
    } else if (!run.session->running()) {
        run.state = ProgramState::Quit;
    }
    return run.state;
}

std::uint32_t msUntilNextFrame()
{
    return run.session != nullptr ? run.session->game.msUntilNextFrame() : 0;
}

int stopProgram()
{
    const int status = run.state == ProgramState::Quit ? 0 : 1;
    run.session.reset();
    if (run.sdlStarted) {
        resetProgramState();
        SDL_Quit();
    }
    run = ProgramRun();
    return status;
}

Game *runningGame()
{
    return run.session != nullptr ? &run.session->game : nullptr;
}

void setLoopHook(LoopHook hook)
{
    loopHook = hook;
}

int runProgram()
{
    if (startProgram()) {
        while (runOneFrame() == ProgramState::Running) {
            // Sleep until the next frame is due instead of spinning on the clock.
            SDL_Delay(msUntilNextFrame());
            if (loopHook != nullptr) {
                loopHook(run.session->game);
            }
        }
    }
    return stopProgram();
}
