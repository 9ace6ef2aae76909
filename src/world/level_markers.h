// Where the level picture put the player start and the door. Both keep
// their values from level to level: a picture without a start marker reuses
// the previous level's start.
#pragma once

#include "xml/rect.h"

struct IntPoint {
    int x = 0;
    int y = 0;
};

// Initially (-1, -1); used only when both coordinates are above 0.
extern IntPoint playerStart;
// Initially (0, 0, 13, 21); the picture sets x and y.
extern Rect doorRect;

// Puts both back to their start values (for tests).
void resetLevelMarkers();
