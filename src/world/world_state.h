// The world of the game: the one place where the program-wide objects of
// play live, each under its own name. The cell grid and its simulation
// state, the zombies, the blood particles, the collectables, the player
// start and the door. Level loading empties the level's objects with
// clearLevel(); reset() puts everything back to how the program starts (a
// new run in the same process: tests, benchmarks, tools).
#pragma once

#include "world/cell_grid.h"
#include "world/grid_simulation.h"
#include "world/vec2.h"
#include "xml/rect.h"

#include <memory>
#include <vector>

class Zombie;
struct BloodParticle;

struct IntPoint {
    int x = 0;
    int y = 0;
};

struct WorldState {
    WorldState();
    ~WorldState();
    WorldState(const WorldState &) = delete;
    WorldState &operator=(const WorldState &) = delete;

    // Deletes every cell, zombie, particle and collectable; the grid's
    // simulation state and the markers stay, as between levels.
    void clearLevel();
    // clearLevel(), then the simulation state and the markers as at start.
    void reset();

    // The one 256 x 256 grid, cleared and refilled for every level.
    CellGrid grid;
    // Step counters and dirty box shared by every grid step.
    GridSimulation gridSimulation;
    // Every zombie of the level, owned here.
    std::vector<std::unique_ptr<Zombie>> zombies;
    // Every live blood particle, owned here; creation order except where a
    // removal moved the last one forward.
    std::vector<std::unique_ptr<BloodParticle>> particles;
    // Positions of the level's collectables.
    std::vector<Vec2> collectables;
    // Set by the level picture's start marker; (-1, -1) until then and kept
    // from level to level, so a picture without one reuses the last start.
    IntPoint playerStart{-1, -1};
    // The exit door: the picture sets x and y, the size stays 13 x 21.
    Rect doorRect{0, 0, 13, 21};
};

extern WorldState world;
