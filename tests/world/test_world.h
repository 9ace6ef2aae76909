// Small hand-built worlds for the actor tests: settled ground and blood put
// into a real grid cell by cell.
#pragma once

#include "world/cell.h"
#include "world/cell_grid.h"

#include <memory>

template <int Kind>
class SettledCell : public Cell {
public:
    int kind() const override { return Kind; }
    int state() const override { return Resting; }
    void update(bool) override {}
};

// Fills columns [x0, x1] of rows [y0, y1].
template <int Kind>
void fillCells(CellGrid &grid, int x0, int x1, int y0, int y1)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            grid.rawSlot(x, y) = std::make_unique<SettledCell<Kind>>();
}

inline void fillGround(CellGrid &grid, int x0, int x1, int y0, int y1) { fillCells<Solid>(grid, x0, x1, y0, y1); }
inline void fillBlood(CellGrid &grid, int x0, int x1, int y0, int y1) { fillCells<Blood>(grid, x0, x1, y0, y1); }
