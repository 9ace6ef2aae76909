// Small hand-built worlds for the actor tests: ground and blood put into a
// real grid cell by cell.
#pragma once

#include "world/cell.h"
#include "world/cell_grid.h"

#include <memory>

// Settled ground that never moves.
class TestGround : public Cell {
public:
    int kind() const override { return Solid; }
    int state() const override { return Resting; }
    void update(bool) override {}
};

// Settled blood that stays where it is put.
class TestBlood : public Cell {
public:
    int kind() const override { return Blood; }
    int state() const override { return Resting; }
    void update(bool) override {}
};

// Fills columns [x0, x1] of rows [y0, y1] with ground.
inline void fillGround(CellGrid &grid, int x0, int x1, int y0, int y1)
{
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            grid.rawSlot(x, y) = std::make_unique<TestGround>();
        }
    }
}

inline void fillBlood(CellGrid &grid, int x0, int x1, int y0, int y1)
{
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            grid.rawSlot(x, y) = std::make_unique<TestBlood>();
        }
    }
}
