#include "world/blood_particles.h"

#include "world/cell_grid.h"
#include "world/random.h"

bool takeBloodBelow(CellGrid &grid, int x, int y)
{
    // Each try looks one row further down and up to r columns to the side.
    // Tries outside the grid find nothing: clamped, a column past the right
    // edge would reach round to the left edge of the next row.
    for (int i = 0; i < 10; ++i) {
        const int r = static_cast<int>(static_cast<float>(i) * 0.5f);
        const int column = x + randomInt(-r, r);
        const int row = y + r + 1;
        if (column < 0 || column >= grid.width() || row < 0 || row >= grid.height()) {
            continue;
        }
        const Cell *cell = grid.cellAt(column, row);
        if (cell != nullptr && cell->kind() == Blood) {
            grid.removeCell(column, row);
            return true;
        }
    }
    return false;
}

void spawnSplashParticle(CellGrid &grid, int x, int y, [[maybe_unused]] Vec2 velocity, bool takeBlood)
{
    if (takeBlood) {
        takeBloodBelow(grid, x, y);
    }
}
