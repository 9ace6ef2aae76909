#include "world/grid_simulation.h"

GridSimulation gridSimulation;

void DirtyRect::reset()
{
    minX = 256;
    minY = 256;
    maxX = 0;
    maxY = 0;
}

void resetGridSimulation()
{
    gridSimulation = GridSimulation{};
}
