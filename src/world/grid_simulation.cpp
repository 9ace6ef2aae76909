#include "world/grid_simulation.h"


void DirtyRect::reset()
{
    minX = 256;
    minY = 256;
    maxX = 0;
    maxY = 0;
}
