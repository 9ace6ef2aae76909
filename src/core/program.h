// The whole program as three calls: start, one pass of the loop, stop.
// The desktop loop calls the pass and sleeps until the next frame is due;
// the browser calls the same pass once per animation frame.
#pragma once

#include <cstdint>

class Game;

// What a pass of the loop leaves behind.
enum class ProgramState { Running, Quit, Failed };

// Finds the content, starts SDL, reads the settings, opens the window,
// reads the level list, opens a joystick and loads the first level. False,
// with the reason on standard error, when the game cannot run; call
// stopProgram() in either case.
bool startProgram();
// One pass of the loop: a frame when one is due, then the next level when
// this one is finished.
ProgramState runOneFrame();
// Milliseconds until the next frame is due (0 when it is due now).
std::uint32_t msUntilNextFrame();
// Frees everything start-up made and shuts SDL down; returns the process
// exit status: 0 after a quit, 1 after a failure.
int stopProgram();

// The desktop program: start, passes with sleeps in between until the
// player quits, stop.
int runProgram();

// The running game, or null outside startProgram() ... stopProgram().
Game *runningGame();

// Called after every pass of the desktop loop. The game sets none; test
// programs use it to drive the clock and to ask the game to quit.
using LoopHook = void (*)(Game &game);
void setLoopHook(LoopHook hook);
