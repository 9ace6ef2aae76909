// One level played by itself in the page, for the browser's tests and
// benchmarks: the page's counterpart of tools/screenshot (a driven clock)
// and bench/frame_bench (the real clock). The page's address chooses it:
// level=NAME plays data/levels/NAME.xml, frames=N stops after N frames,
// clock=driven moves the clock on by one frame before each frame, seed=S seeds
// the random generators after start-up (1 unless given), and aim=A aims the
// lawnmower at A radians from the start.
#pragma once

#include "web/browser_loop.h"

#include <cstdint>
#include <string>

class Game;

struct LevelRunOptions {
    std::string levelFile;  // empty: no level run, the whole game plays
    int frames = 0;         // 0: no end
    bool drivenClock = false;
    unsigned int seed = 1;
    bool aims = false;
    float aim = 0.0f;
};

// The options among the program's arguments, each written key=value. False,
// with one line on standard error, for an unknown key or a bad value.
bool readLevelRunOptions(int argc, char **argv, LevelRunOptions &options);

// Starts the game on the level; false, with the reason on standard error,
// when it cannot. Call finishLevelRun() in either case.
bool startLevelRun(const LevelRunOptions &options);
PassResult levelRunPass();
std::uint32_t msUntilNextLevelRunPass();
// Frees what the run made; 0 when the level loaded and every frame asked for
// ran, else 1.
int finishLevelRun();

// The level run's game, or null outside startLevelRun() ... finishLevelRun().
const Game *levelRunGame();
