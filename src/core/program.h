// The whole program: start-up, the level loop and shutdown.
#pragma once

// Runs the game until the player quits; returns the process exit status.
int runProgram();
