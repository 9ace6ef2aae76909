#include "world/cell_grid.h"

#include "gfx/surface.h"
#include "world/blood_cell.h"
#include "world/cell_pool.h"
#include "world/grid_simulation.h"
#include "world/level_picture.h"
#include "world/picture_file.h"
#include "world/random.h"
#include "world/solid_cell.h"
#include "world/world_state.h"

#include <SDL_image.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// How many columns ahead a sweep fetches cells into the cache.
constexpr int kPrefetchDistance = 8;

// Cells keep their position in 16 bits; the world is 256 x 256.
constexpr int kMaxGridSide = 4096;

// Updates the cell of a slot. Pooled cells skip the virtual call: ground
// does nothing, and blood runs its rules directly.
inline void updateCell(Cell *cell, bool force, const CellKindLookup &kinds)
{
    if (kinds.isBlood(cell)) {
        static_cast<BloodCell *>(cell)->update(force);
    } else if (!kinds.isSolid(cell)) {
        cell->update(force);
    }
}

}  // namespace

CellGrid::CellGrid(int width, int height)
    : width_(std::clamp(width, 1, kMaxGridSide)), height_(std::clamp(height, 1, kMaxGridSide)),
      slots_(static_cast<std::size_t>((width_ + 1) * (height_ + 1) + 1))
{
}

void CellGrid::clear()
{
    // The spare column and row too: a cell placed there through the clamped
    // accessor must not outlive the level.
    for (std::unique_ptr<Cell> &cell : slots_) {
        cell.reset();
    }
}

bool CellGrid::buildFromImage(const std::string &path, LevelPictureListener *listener)
{
    SurfacePtr loaded(readPictureFile(path));
    if (loaded == nullptr) {
        std::fprintf(stderr, "%s: cannot load level picture: %s\n", path.c_str(), SDL_GetError());
        return false;
    }
    const SurfacePtr converted = convertLevelPicture(loaded.get());
    loaded.reset();
    SDL_Surface *picture = converted.get();
    if (picture == nullptr) {
        std::fprintf(stderr, "%s: cannot convert level picture: %s\n", path.c_str(), SDL_GetError());
        return false;
    }
    if (SDL_MUSTLOCK(picture)) {
        SDL_LockSurface(picture);
    }
    std::vector<LevelPixel> row(static_cast<std::size_t>(picture->w), LevelPixel::Empty);
    const int columns = std::min(picture->w, width_);
    // Bottom row first: a zombie placed by a row drops onto ground that the
    // rows below have already built.
    for (int y = picture->h - 1; y >= 0; --y) {
        const auto *pixels = reinterpret_cast<const std::uint32_t *>(static_cast<const std::uint8_t *>(picture->pixels) +
                                                                     y * picture->pitch);
        // The start and door markers act at once, so they work anywhere in
        // the picture; the other colours only inside the grid.
        for (int x = 0; x < picture->w; ++x) {
            const LevelPixel pixel = levelPixelOf(pixels[x]);
            if (pixel == LevelPixel::Start) {
                world.playerStart = IntPoint{x, y - 13};
            } else if (pixel == LevelPixel::Door) {
                world.doorRect.x = x;
                world.doorRect.y = y;
            }
            row[static_cast<std::size_t>(x)] = pixel;
        }
        if (y >= height_) {
            continue;
        }
        for (int x = 0; x < columns; ++x) {
            switch (row[static_cast<std::size_t>(x)]) {
            case LevelPixel::Ground:
                slot(x, y) = std::make_unique<SolidCell>();
                break;
            case LevelPixel::Blood:
                slot(x, y) = std::make_unique<BloodCell>(this, x, y);
                break;
            case LevelPixel::Collectable:
                if (listener != nullptr) {
                    listener->collectable(x, y);
                }
                break;
            default:
                break;
            }
        }
        // A zombie measures its patrol along its own row and the row below,
        // so it is made once the whole row stands, in the scan's order.
        if (listener != nullptr) {
            for (int x = 0; x < columns; ++x) {
                if (row[static_cast<std::size_t>(x)] == LevelPixel::Zombie) {
                    listener->zombieSpawn(*this, x, y);
                }
            }
        }
    }
    if (SDL_MUSTLOCK(picture)) {
        SDL_UnlockSurface(picture);
    }
    return true;
}

void CellGrid::step(int sweepStartHint)
{
    ++world.gridSimulation.simulationStep;
    if (++world.gridSimulation.sweepCounter > 10) {
        world.gridSimulation.sweepCounter = 0;
        fullSweep(sweepStartHint);
    } else {
        dirtySweep();
    }
}

void CellGrid::dirtySweep()
{
    DirtyRect box = world.gridSimulation.dirtyRect;
    // Moves made during this sweep build the box for the next step.
    world.gridSimulation.dirtyRect.reset();
    // The box is shared by every grid; keep it inside this one.
    box.minX = std::max(box.minX, 0);
    box.minY = std::max(box.minY, 0);
    box.maxX = std::min(box.maxX, width_ - 1);
    box.maxY = std::min(box.maxY, height_ - 1);
    const CellKindLookup kinds;
    for (int y = box.maxY; y >= box.minY; --y) {
        std::unique_ptr<Cell> *row = &slots_[static_cast<std::size_t>(y * width_)];
        for (int x = box.maxX; x >= box.minX; --x) {
            // Fetch the cell a few columns ahead while this one runs.
            if (x >= kPrefetchDistance) {
                __builtin_prefetch(row[x - kPrefetchDistance].get());
            }
            if (Cell *cell = row[x].get()) {
                updateCell(cell, false, kinds);
            }
        }
    }
}

void CellGrid::fullSweep(int sweepStartHint)
{
    world.gridSimulation.dirtyRect.reset();
    const int start = std::min(std::max(world.gridSimulation.fullRowMark, sweepStartHint), height_ - 1);
    bool stillFull = true;
    const CellKindLookup kinds;
    // Row 0 is never swept. Rows below the start are left to the dirty sweeps.
    for (int n = start; n >= 1; --n) {
        std::unique_ptr<Cell> *row = &slots_[static_cast<std::size_t>(n * width_)];
        bool rowFull = true;
        // The direction alternates at random so that flows have no bias.
        if (nextRandomInteger() % 2 != 0) {
            for (int x = 0; x < width_; ++x) {
                if (x + kPrefetchDistance < width_) {
                    __builtin_prefetch(row[x + kPrefetchDistance].get());
                }
                if (Cell *cell = row[x].get()) {
                    updateCell(cell, true, kinds);
                } else {
                    rowFull = false;
                }
            }
        } else {
            // Right to left stops before column 0.
            for (int x = width_ - 1; x >= 1; --x) {
                if (x >= kPrefetchDistance) {
                    __builtin_prefetch(row[x - kPrefetchDistance].get());
                }
                if (Cell *cell = row[x].get()) {
                    updateCell(cell, true, kinds);
                } else {
                    rowFull = false;
                }
            }
        }
        // The mark follows the top of the unbroken block of full rows that
        // begins at the start row.
        if (stillFull) {
            if (rowFull) {
                world.gridSimulation.fullRowMark = n;
            } else {
                stillFull = false;
            }
        }
    }
}

void CellGrid::placeBlood(int x, int y)
{
    // The cell is told the clamped position it really has; outside the
    // grid's interior it never moves.
    x = std::clamp(x, 0, width_);
    y = std::clamp(y, 0, height_);
    std::unique_ptr<Cell> &target = slot(x, y);
    if (target == nullptr) {
        target = std::make_unique<BloodCell>(this, x, y);
    }
}

void CellGrid::removeCell(int x, int y)
{
    slot(x, y).reset();
}

int CellGrid::bloodCellCount() const
{
    const CellKindLookup kinds;
    int count = 0;
    for (const std::unique_ptr<Cell> &cell : slots_) {
        count += cell != nullptr && kinds.kindOf(cell.get()) == Blood;
    }
    return count;
}
