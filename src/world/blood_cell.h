// BloodCell: one drop of blood that falls, slides diagonally, flows away
// from an occupied side and settles like sand, then sleeps until moved.
#pragma once

#include "world/cell.h"

#include <cstddef>

class CellGrid;

class BloodCell final : public Cell {
public:
    BloodCell(CellGrid *grid, int x, int y);

    int kind() const override { return Blood; }
    int state() const override { return state_; }
    // One step of the blood rules; force runs it even when the cell sleeps.
    void update(bool force) override;

    // Swaps this cell into (nx, ny), marks the slot dirty and wakes the cell.
    // Callers only move into empty slots.
    void moveTo(int nx, int ny);

    // Blood cells come from their own pool (world/cell_pool.h).
    static void *operator new(std::size_t size);
    static void operator delete(void *block);

    int x() const { return x_; }
    int y() const { return y_; }
    float drift() const { return drift_; }
    float fallSpeed() const { return fallSpeed_; }
    int restCount() const { return restCount_; }
    bool asleep() const { return asleep_; }

private:
    float drift_ = 0.0f;  // sideways flow accumulator
    int frameStamp_ = 0;  // simulation step of the last update that ran
    int x_ = 0;
    int y_ = 0;
    CellGrid *grid_ = nullptr;  // not owned
    int state_ = Falling;
    int restCount_ = 0;  // consecutive updates begun in Resting
    bool asleep_ = false;
    float fallSpeed_ = 0.0f;  // grows by 0.125 per step while falling
};
