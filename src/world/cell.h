// Cells of the world grid: ground that never moves and blood that falls,
// flows and settles like sand. Every test that asks whether something may
// pass or stand on a cell uses kind() and state(): kind Solid is ground,
// kind Blood is liquid, and state 3 means settled.
#pragma once

enum CellKind { Solid = 1, Blood = 2 };
enum BloodState { Falling = 1, Flowing = 2, Resting = 3 };

class Cell {
public:
    virtual ~Cell() = default;
    virtual int kind() const = 0;
    virtual int state() const { return 0; }
    virtual void update(bool force) = 0;
};
