// The whole program: start-up, the level loop and shutdown.
#pragma once

class Game;

// Runs the game until the player quits; returns the process exit status.
int runProgram();

// Called after every pass of the level loop. The game sets none; test
// programs use it to drive the clock and to ask the game to quit.
using LoopHook = void (*)(Game &game);
void setLoopHook(LoopHook hook);
