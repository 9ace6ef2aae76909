// SolidCell: ground built from the level picture. It never moves and carries
// no data besides its type.
#pragma once

#include "world/cell.h"

class SolidCell final : public Cell {
public:
    int kind() const override { return Solid; }
    // Ground counts as settled for everything that stands on it.
    int state() const override { return Resting; }
    void update(bool) override {}
};
