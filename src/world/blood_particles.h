// Blood in flight: free droplets that fly through the world until they hit
// settled ground or blood, where blood-carrying ones turn into blood cells of
// the grid and throw a few dry droplets back.
#pragma once

#include "world/vec2.h"

#include <memory>
#include <vector>

class CellGrid;

struct BloodParticle {
    CellGrid *grid = nullptr;  // not owned
    Vec2 position;
    Vec2 velocity;
    bool dead = false;        // removed after this frame's step
    bool makesBlood = true;   // an impact deposits blood into the grid
    bool inBlood = false;     // travelling through blood cells
    bool piercing = true;     // Euclidean step count; keeps going through impacts
};

// Every live particle, owned here. Order is creation order except where a
// removal moved the last particle forward. Emptied at every level load.

// Downward pull per frame, scaled by the particle's medium.
extern const Vec2 gravity;

// Deletes every particle.

// A particle of a strike spray: never flies out at the world's sides and
// starts inBlood when born inside any cell. dry particles leave no blood.
void spawnSpray(CellGrid &grid, int x, int y, Vec2 velocity, bool dry);
// A particle thrown up by the player's splash; with takeBlood it lifts one
// blood cell out of the pool just below (x, y) and carries it.
void spawnSplashParticle(CellGrid &grid, int x, int y, Vec2 velocity, bool takeBlood);
// A dry droplet thrown back by an impact.
void spawnDroplet(CellGrid &grid, int x, int y, Vec2 velocity);

// Moves one particle through the grid for one frame.
void stepParticle(BloodParticle &particle);
// Turns an impact at (x, y) into a blood cell near it and throws droplets back.
void depositBlood(CellGrid &grid, int x, int y, Vec2 velocity);

// Steps every particle, removes the dead ones and draws the rest onto the
// world surface.
void updateParticles();
