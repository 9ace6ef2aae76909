#include "world/level_markers.h"

IntPoint playerStart{-1, -1};
Rect doorRect{0, 0, 13, 21};

void resetLevelMarkers()
{
    playerStart = IntPoint{-1, -1};
    doorRect = Rect{0, 0, 13, 21};
}
