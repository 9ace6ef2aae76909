// BloodCell: one drop of blood that falls, slides diagonally, flows away
// from an occupied side and settles like sand, then sleeps until moved.
#pragma once

#include "world/cell.h"

#include <cstddef>
#include <cstdint>
#include <memory>

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
    using Slot = std::unique_ptr<Cell>;
    // moveTo between two slots already found; returns the new slot.
    Slot *moveWithin(Slot *from, Slot *to, int nx, int ny);

    // Laid out small and hot fields first: sweeps read tens of thousands of
    // cells per step.
    CellGrid *grid_ = nullptr;  // not owned
    int frameStamp_ = 0;        // simulation step of the last update that ran
    float drift_ = 0.0f;        // sideways flow accumulator
    float fallSpeed_ = 0.0f;    // grows by 0.125 per step while falling
    std::int16_t x_ = 0;
    std::int16_t y_ = 0;
    // Consecutive updates begun in Resting; only compared with 50, so it
    // stops counting at 255.
    std::uint8_t restCount_ = 0;
    std::uint8_t state_ = Falling;
    bool asleep_ = false;
};
