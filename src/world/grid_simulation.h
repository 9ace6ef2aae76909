// The grid-wide simulation state shared by every step: the step number that
// keeps a cell from running twice in one step, the full-sweep schedule, the
// rectangle that moving cells mark for the next step, and the top of the
// block of full rows that full sweeps start from. It lives in the world
// state (world_state.h); a level load does not reset it.
#pragma once

// Bounding box of the slots cells moved into since the last reset. An empty
// box has min above max.
struct DirtyRect {
    int minX = 0;
    int minY = 0;
    int maxX = 0;
    int maxY = 0;

    // The empty box every sweep starts from: min (256, 256), max (0, 0).
    void reset();
    void include(int x, int y)
    {
        // Most moves land inside the box already: store only what grows.
        if (x < minX) {
            minX = x;
        }
        if (x > maxX) {
            maxX = x;
        }
        if (y < minY) {
            minY = y;
        }
        if (y > maxY) {
            maxY = y;
        }
    }
};

struct GridSimulation {
    // Incremented at the start of every grid step.
    int simulationStep = 0;
    // Counts steps; every 11th step is a full sweep.
    int sweepCounter = 0;
    // Starts as the single slot (0, 0): nothing moves before the first full sweep.
    DirtyRect dirtyRect;
    // Full sweeps start at this row or further down.
    int fullRowMark = 255;
};

