// The whole program as three calls: start, one pass of the loop, stop.
// The desktop loop calls the pass and sleeps until the next frame is due;
// the browser calls the same pass once per animation frame. Tests, the
// benchmarks and the tools start and stop the game through the same calls,
// with options that make their runs reproducible.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

class Game;
class GameSession;
class GameSound;

// What a pass of the loop leaves behind.
enum class ProgramState { Running, Quit, Failed };

struct ProgramOptions {
    // The folder holding the content; empty: found as the game finds it
    // (the working directory, beside the executable, the install prefix).
    // stopProgram() goes back to the working directory it started in.
    std::filesystem::path contentDirectory;
    // Frames on a driven clock: it starts at kDrivenClockStart and every
    // pass moves it on by exactly one frame, so a run is the same every time.
    bool drivenClock = false;
    // Seeds the random generators once start-up is done (the game seeds
    // them from the time).
    std::optional<unsigned int> seed;
    // The level list position play begins at, as if the levels before it
    // were finished; 0 loads no level (the caller loads one). The default
    // begins as the game does: at the first level not finished when the
    // settings keep progress, else at position 1.
    int startPosition = kGameStart;
    static constexpr int kGameStart = -1;
    // Opens the first joystick and reports the joysticks on standard output.
    bool openJoystick = true;
    // Keeps the progress in the player's data folder when the settings ask
    // for it.
    bool keepProgress = true;
    // Plays sound when the settings ask for it.
    bool sound = true;
    // Leaves the sound output closed until startSound(): a web page may play
    // sound only once the player has clicked it or pressed a key on it.
    bool soundWaits = false;

    // A run that plays the same every time, for tests, benchmarks and tools:
    // the content folder given, a driven clock, a fixed seed, no joystick, no
    // kept progress, no sound and no level loaded.
    static ProgramOptions reproducible(const std::filesystem::path &contentDirectory, unsigned int seed);
};

inline constexpr std::uint32_t kDrivenClockStart = 100000;

// Finds the content, starts SDL, reads the settings, opens the window,
// reads the level list, opens a joystick and loads the first level. False,
// with the reason on standard error, when the game cannot run; call
// stopProgram() in either case.
bool startProgram(const ProgramOptions &options = {});
// One pass of the loop: a frame when one is due, then the next level when
// this one is finished.
ProgramState runOneFrame();
// Opens the sound output if the settings and the options ask for sound and
// it is not open yet, and the game runs; true when sound now plays. A
// device that cannot be opened is said once on standard error, and the game
// plays on silently.
bool startSound();
// Milliseconds until the next frame is due (0 when it is due now, and
// always 0 on a driven clock).
std::uint32_t msUntilNextFrame();
// Frees everything start-up made, puts every program-wide object back to
// its start and shuts SDL down; returns the process exit status: 0 after a
// quit, 1 after a failure.
int stopProgram();

// The desktop program: start, passes with sleeps in between until the
// player quits, stop.
int runProgram(const ProgramOptions &options = {});

// The running session and its game, or null outside startProgram() ...
// stopProgram().
GameSession *runningSession();
Game *runningGame();
// The running game's sound, or null while it is silent.
const GameSound *runningSound();

// Called after every pass of the desktop loop. The game sets none; test
// programs use it to ask the game to quit.
using LoopHook = void (*)(Game &game);
void setLoopHook(LoopHook hook);
