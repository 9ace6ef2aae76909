// GridPlayerMover: moves the player through the cell grid and among the
// zombies. Only solid cells stop the body; blood is measured for depth.
// Every grid scan stays inside the grid, wherever the player is.
#pragma once

#include "world/player_mover.h"
#include "world/vec2.h"

#include <vector>

class CellGrid;
class Zombie;

// (column, row) of a cell found by a scan, or (-1, -1).
struct CellPoint {
    int x = -1;
    int y = -1;
    bool found() const { return x >= 0; }
};

// Which zombie pickZombie prefers among those that qualify.
enum class ZombieRule : int { GreatestX = 0, SmallestX = 1, SmallestY = 2, GreatestY = 3 };

class GridPlayerMover : public PlayerMover {
public:
    explicit GridPlayerMover(CellGrid *grid);

    void move(Player &player) override;
    void spawnSplash(int x, int y, Vec2 velocity, bool keepBlood) override;

    // Rows of the 4 x 13 box at topLeft that hold more than 2 blood cells.
    int measureDepth(Vec2 topLeft) const;
    // First solid cell scanning column by column in the direction dir
    // (rows top down inside each column); dir 0 finds nothing.
    CellPoint findSolidAcross(Vec2 topLeft, Vec2 bottomRight, int dir) const;
    // First solid cell scanning row by row, upwards for dir <= 0 from the
    // row of bottomRight.y, downwards for dir > 0.
    CellPoint findSolidAlong(Vec2 topLeft, Vec2 bottomRight, int dir) const;

private:
    CellGrid *grid_;
};

// Zombies whose boxes may meet the area from topLeft to bottomRight.
std::vector<Zombie *> zombiesNear(Vec2 topLeft, Vec2 bottomRight);
// The zombie of the list near the area that is best by the rule (the
// earlier one on a tie), or null; `except` is never picked.
Zombie *pickZombie(Vec2 topLeft, Vec2 bottomRight, const std::vector<Zombie *> &list, ZombieRule rule,
                   const Zombie *except = nullptr);
