#include "world/blood_cell.h"

#include "world/cell_grid.h"
#include "world/grid_simulation.h"
#include "world/random.h"
#include "world/world_state.h"

#include <cmath>
#include <cstdlib>
#include <utility>

BloodCell::BloodCell(CellGrid *grid, int x, int y)
    : grid_(grid), x_(static_cast<std::int16_t>(x)), y_(static_cast<std::int16_t>(y))
{
}

void BloodCell::moveTo(int nx, int ny)
{
    moveWithin(&grid_->slot(x_, y_), &grid_->slot(nx, ny), nx, ny);
}

BloodCell::Slot *BloodCell::moveWithin(Slot *from, Slot *to, int nx, int ny)
{
    // A move is a swap: the target is empty, so no cell is ever overwritten.
    std::swap(*from, *to);
    x_ = static_cast<std::int16_t>(nx);
    y_ = static_cast<std::int16_t>(ny);
    world.gridSimulation.dirtyRect.include(nx, ny);
    asleep_ = false;
    return to;
}

void BloodCell::update(bool force)
{
    if (!force && asleep_) {
        return;
    }
    if (frameStamp_ == world.gridSimulation.simulationStep) {
        return;  // already ran in this step, e.g. after moving into a slot the sweep visits later
    }
    frameStamp_ = world.gridSimulation.simulationStep;
    if (state_ == Resting && restCount_ > 50) {
        asleep_ = true;
    }
    const int width = grid_->width();
    const int height = grid_->height();
    // Cells on the outermost columns and rows never move.
    if (x_ <= 0 || x_ >= width - 1 || y_ <= 0 || y_ >= height - 1) {
        return;
    }
    // Inside the interior every neighbour is in the slot store, so they are
    // reached from this cell's own slot.
    Slot *here = &grid_->rawSlot(x_, y_);
    const bool leftEmpty = here[-1] == nullptr;
    const bool rightEmpty = here[1] == nullptr;
    if (state_ != Resting) {
        restCount_ = 0;
    } else if (restCount_ < 255) {
        ++restCount_;
    }

    if (here[width] == nullptr) {
        const bool wasFalling = state_ == Falling;
        here = moveWithin(here, here + width, x_, y_ + 1);
        if (!wasFalling) {
            // The first step of a new fall only resets the speed.
            fallSpeed_ = 0.0f;
            state_ = Falling;
            return;
        }
        // A long fall accelerates: one extra move per step once the speed
        // passes 1, and one more for every further 2.
        fallSpeed_ += 0.125f;
        for (float d = fallSpeed_ - 1.0f; d > 0.0f; d -= 2.0f) {
            if (y_ >= height - 1) {
                return;
            }
            const int r = nextRandomInteger() % 7;
            const int dx = r == 1 ? -1 : (r == 2 ? 1 : 0);
            const int tx = x_ + dx;
            // The edge columns count as occupied, so a fall never leaves the
            // interior and never wraps into the next row.
            if (tx > 0 && tx < width - 1 && here[width + dx] == nullptr) {
                here = moveWithin(here, here + width + dx, tx, y_ + 1);
            }
        }
        return;
    }
    // Down-right is always tried before down-left.
    if (here[width + 1] == nullptr) {
        moveWithin(here, here + width + 1, x_ + 1, y_ + 1);
        state_ = Falling;
        return;
    }
    if (here[width - 1] == nullptr) {
        moveWithin(here, here + width - 1, x_ - 1, y_ + 1);
        state_ = Falling;
        return;
    }
    // Boxed in below: flow away from an occupied side at 0.9 cells per step.
    if (rightEmpty && !leftEmpty) {
        drift_ += 0.9f * 1.0f;
        if (std::fabs(drift_) >= 1.0f) {
            moveWithin(here, here + 1, x_ + 1, y_);
            drift_ -= 1.0f;
        }
        state_ = Flowing;
        return;
    }
    if (leftEmpty && !rightEmpty) {
        drift_ -= 0.9f * 1.0f;
        if (std::fabs(drift_) >= 1.0f) {
            moveWithin(here, here - 1, x_ - 1, y_);
            drift_ += 1.0f;
        }
        state_ = Flowing;
        return;
    }
    if (!leftEmpty && !rightEmpty) {
        state_ = Resting;
    }
}
