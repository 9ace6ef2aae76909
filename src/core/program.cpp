#include "core/program.h"

#include "core/content_location.h"
#include "core/game_session.h"
#include "core/game_sound.h"
#include "core/joystick_report.h"
#include "core/program_state.h"
#include "core/startup.h"
#include "platform/clock.h"
#include "progress/progress_file.h"
#include "world/random.h"

#include <SDL.h>

#include <cstdio>
#include <memory>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Everything one run of the program owns between start and stop.
struct ProgramRun {
    ProgramOptions options;
    fs::path savedDirectory;  // to go back to; empty when unchanged
    bool sdlStarted = false;
    std::unique_ptr<GameSession> session;
    std::unique_ptr<GameSound> sound;  // null when silent
    bool soundWanted = false;          // by the settings and the options
    bool soundTried = false;
    float soundVolume = 0.0f;
    ProgramState state = ProgramState::Failed;
};

ProgramRun run;
LoopHook loopHook = nullptr;

void openSound()
{
    if (run.soundWanted && !run.soundTried) {
        run.soundTried = true;
        run.sound = GameSound::start(run.soundVolume);
    }
}

bool enterContent(const ProgramOptions &options)
{
    if (options.contentDirectory.empty()) {
        return enterContentDirectory();
    }
    std::error_code error;
    run.savedDirectory = fs::current_path(error);
    return enterContentDirectory({options.contentDirectory});
}

bool startSession(const ProgramOptions &options)
{
    if (!enterContent(options)) {
        return false;
    }
    if (options.drivenClock) {
        wallclock::drive(kDrivenClockStart);
    }
    run.sdlStarted = true;
    Settings settings;
    if (!startUp(settings)) {
        return false;
    }
    if (options.seed.has_value()) {
        seedRandom(*options.seed);
    }
    run.soundWanted = settings.Sound && options.sound;
    run.soundVolume = static_cast<float>(settings.SoundVolume) / 100.0f;
    if (!options.soundWaits) {
        openSound();
    }
    run.session = std::make_unique<GameSession>();
    if (!run.session->loadLevels()) {
        return false;
    }
    if (options.openJoystick) {
        const int joystickIndex = openJoystick();
        if (joystickIndex >= 0) {
            run.session->addJoystick(joystickIndex);
        }
    }
    if (settings.SaveProgress && options.keepProgress) {
        const fs::path progress = progressFilePath();
        if (progress.empty()) {
            std::fprintf(stderr, "No data folder (XDG_DATA_HOME or HOME) to keep the progress in\n");
        } else {
            run.session->keepProgress(progress);
        }
    }
    if (options.startPosition == ProgramOptions::kGameStart) {
        return run.session->start();
    }
    return options.startPosition == 0 || run.session->startAt(options.startPosition);
}

}  // namespace

ProgramOptions ProgramOptions::reproducible(const fs::path &contentDirectory, unsigned int seed)
{
    ProgramOptions options;
    options.contentDirectory = contentDirectory;
    options.drivenClock = true;
    options.seed = seed;
    options.startPosition = 0;
    options.openJoystick = false;
    options.keepProgress = false;
    options.sound = false;
    return options;
}

bool startProgram(const ProgramOptions &options)
{
    run.options = options;
    run.state = startSession(options) ? ProgramState::Running : ProgramState::Failed;
    return run.state == ProgramState::Running;
}

ProgramState runOneFrame()
{
    if (run.state != ProgramState::Running) {
        return run.state;
    }
    if (run.options.drivenClock) {
        wallclock::advance(kFrameMs);
    }
    if (!run.session->runFrame()) {
        run.state = ProgramState::Failed;
    } else if (!run.session->running()) {
        run.state = ProgramState::Quit;
    }
    if (run.sound != nullptr) {
        run.sound->frame(run.session->game);
    }
    return run.state;
}

bool startSound()
{
    if (run.state == ProgramState::Running) {
        openSound();
    }
    return run.sound != nullptr;
}

std::uint32_t msUntilNextFrame()
{
    if (run.session == nullptr || run.options.drivenClock) {
        return 0;
    }
    return run.session->game.msUntilNextFrame();
}

int stopProgram()
{
    const int status = run.state == ProgramState::Quit ? 0 : 1;
    run.sound.reset();
    run.session.reset();
    if (run.sdlStarted) {
        resetProgramState();
        SDL_Quit();
    }
    if (run.options.drivenClock) {
        wallclock::release();
    }
    if (!run.savedDirectory.empty()) {
        std::error_code error;
        fs::current_path(run.savedDirectory, error);
    }
    run = ProgramRun();
    return status;
}

GameSession *runningSession()
{
    return run.session.get();
}

Game *runningGame()
{
    return run.session != nullptr ? &run.session->game : nullptr;
}

const GameSound *runningSound()
{
    return run.sound.get();
}

void setLoopHook(LoopHook hook)
{
    loopHook = hook;
}

int runProgram(const ProgramOptions &options)
{
    if (startProgram(options)) {
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
