// Blood particles: droplets of blood in flight, thrown by lawnmower strikes
// and by the player's splashes.
#pragma once

#include "world/vec2.h"

class CellGrid;

// A splash droplet at (x, y). With takeBlood it first lifts one blood cell
// out of the pool below the point (the cell is deleted from the grid).
void spawnSplashParticle(CellGrid &grid, int x, int y, Vec2 velocity, bool takeBlood);

// Deletes the first blood cell found in a widening search below (x, y);
// false when there was none.
bool takeBloodBelow(CellGrid &grid, int x, int y);
