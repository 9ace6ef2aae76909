// CellGrid: the 256 x 256 world, one slot per world pixel, each empty or
// owning one cell. Blood is stepped by dirty-rectangle sweeps with a full
// sweep every 11th step.
#pragma once

#include "world/cell.h"

#include <memory>
#include <string>
#include <vector>

class CellGrid;

// Receives the zombie spawn points and collectables of a level picture while
// the grid is built from it.
class LevelPictureListener {
public:
    virtual ~LevelPictureListener() = default;
    virtual void zombieSpawn(CellGrid &grid, int x, int y) = 0;
    virtual void collectable(int x, int y) = 0;
};

// The grid owns its cells: clearing the grid, removing a cell or assigning
// over a slot deletes the cell. The slot store has one spare column and row
// so that the clamped accessor, which admits x = width and y = height, stays
// inside it: (width, y) is the same slot as (0, y + 1).
class CellGrid {
public:
    CellGrid(int width = 256, int height = 256);
    CellGrid(const CellGrid &) = delete;
    CellGrid &operator=(const CellGrid &) = delete;

    int width() const { return width_; }
    int height() const { return height_; }

    // Slot of (x, y) with x clamped to [0, width] and y to [0, height].
    std::unique_ptr<Cell> &slot(int x, int y) { return slots_[clampedIndex(x, y)]; }
    // Slot of (x, y) for coordinates the caller keeps inside the grid.
    // Coordinates that would leave the slot store fall back to the clamped slot.
    std::unique_ptr<Cell> &rawSlot(int x, int y)
    {
        const auto index = static_cast<unsigned long long>(x + static_cast<long long>(y) * width_);
        return index < slots_.size() ? slots_[index] : slot(x, y);
    }
    // The cell at (x, y) through the clamped accessor, or null.
    Cell *cellAt(int x, int y) const { return slots_[clampedIndex(x, y)].get(); }

    // Deletes every cell.
    void clear();
    // Fills the grid from a level picture (bottom row first). False when the
    // picture cannot be loaded; nothing is built then.
    bool buildFromImage(const std::string &path, LevelPictureListener *listener = nullptr);
    // One simulation step of all blood.
    void step(int sweepStartHint);
    // A new blood cell at (x, y) if the slot is empty.
    void placeBlood(int x, int y);
    // Deletes the cell at (x, y), clamped, and empties the slot.
    void removeCell(int x, int y);
    // Number of blood cells in the grid; scans every slot.
    int bloodCellCount() const;

private:
    int clampedIndex(int x, int y) const
    {
        x = x < 0 ? 0 : (x > width_ ? width_ : x);
        y = y < 0 ? 0 : (y > height_ ? height_ : y);
        return x + y * width_;
    }
    void dirtySweep();
    void fullSweep(int sweepStartHint);

    int width_ = 0;
    int height_ = 0;
    std::vector<std::unique_ptr<Cell>> slots_;
};
