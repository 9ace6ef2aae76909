// SolidCell: ground built from the level picture. It never moves and carries
// no data besides its type.
#pragma once

#include "world/cell.h"

#include <cstddef>

class SolidCell final : public Cell {
public:
    int kind() const override { return Solid; }
    // Ground counts as settled for everything that stands on it.
    int state() const override { return Resting; }
    void update(bool) override {}

    // Ground cells come from their own pool (world/cell_pool.h).
    static void *operator new(std::size_t size);
    static void operator delete(void *block);
};
