#include "web/level_run.h"

#include "core/game.h"
#include "core/program.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstdio>
#include <string_view>

namespace {

struct LevelRun {
    LevelRunOptions options;
    bool loaded = false;
    int framesRun = 0;
};

LevelRun run;

bool isLevelName(std::string_view name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    });
}

template <class Number>
bool readNumber(std::string_view text, Number &value)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool readOption(std::string_view key, std::string_view value, LevelRunOptions &options)
{
    if (key == "level" && isLevelName(value)) {
        options.levelFile = "data/levels/" + std::string(value) + ".xml";
        return true;
    }
    if (key == "frames") {
        return readNumber(value, options.frames) && options.frames >= 0;
    }
    if (key == "seed") {
        return readNumber(value, options.seed);
    }
    if (key == "aim") {
        const std::string text(value);
        char *end = nullptr;
        options.aim = std::strtof(text.c_str(), &end);
        options.aims = true;
        return !text.empty() && end == text.c_str() + text.size();
    }
    if (key == "clock" && (value == "driven" || value == "real")) {
        options.drivenClock = value == "driven";
        return true;
    }
    return false;
}

}  // namespace

bool readLevelRunOptions(int argc, char **argv, LevelRunOptions &options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        const std::size_t equals = argument.find('=');
        if (equals == std::string_view::npos ||
            !readOption(argument.substr(0, equals), argument.substr(equals + 1), options)) {
            std::fprintf(stderr, "page address: cannot use the option '%s'\n", argv[i]);
            return false;
        }
    }
    return true;
}

bool startLevelRun(const LevelRunOptions &options)
{
    run.options = options;
    // As the desktop's screenshot tool starts: seeded after start-up, no
    // level loaded until this one.
    ProgramOptions program;
    program.drivenClock = options.drivenClock;
    program.seed = options.seed;
    program.startPosition = 0;
    program.openJoystick = false;
    program.keepProgress = false;
    program.sound = false;
    if (!startProgram(program) || !runningGame()->loadLevel(options.levelFile)) {
        return false;
    }
    if (options.aims) {
        runningGame()->player.setAimAngle(options.aim);
    }
    run.loaded = true;
    return true;
}

PassResult levelRunPass()
{
    const Game &game = *runningGame();
    if (run.options.frames > 0 && run.framesRun >= run.options.frames) {
        return PassResult::Finished;
    }
    const std::uint32_t before = game.lastFrameTick;
    if (runOneFrame() != ProgramState::Running) {
        return PassResult::Finished;
    }
    if (game.lastFrameTick == before) {
        return PassResult::Waited;
    }
    ++run.framesRun;
    return PassResult::Frame;
}

std::uint32_t msUntilNextLevelRunPass()
{
    return msUntilNextFrame();
}

const Game *levelRunGame()
{
    return run.loaded ? runningGame() : nullptr;
}

int finishLevelRun()
{
    const bool complete = run.loaded && run.framesRun >= run.options.frames;
    stopProgram();
    run = LevelRun();
    return complete ? 0 : 1;
}
