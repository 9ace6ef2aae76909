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

class CellGrid {
public:
    CellGrid(int width = 256, int height = 256);
    CellGrid(const CellGrid &) = delete;
    CellGrid &operator=(const CellGrid &) = delete;

    int width() const;
    int height() const;

    // Slot of (x, y) with x clamped to [0, width] and y to [0, height].
    std::unique_ptr<Cell> &slot(int x, int y);
    // Slot of (x, y) for coordinates the caller keeps inside the grid.
    std::unique_ptr<Cell> &rawSlot(int x, int y);
    // The cell at (x, y) through the clamped accessor, or null.
    Cell *cellAt(int x, int y) const;

    // Deletes every cell.
    void clear();
    // Fills the grid from a level picture (bottom row first). False when the
    // picture cannot be loaded; nothing is built then.
    bool buildFromImage(const std::string &path, LevelPictureListener *listener = nullptr);
    // One simulation step of all blood.
    void step(int sweepStartHint);
    // A new blood cell at (x, y) if the slot is empty.
    void placeBlood(int x, int y);
};

// The program-wide grid the game plays on.
CellGrid &worldGrid();
