// Checks that a level picture can be played: which gems the player can
// take and whether the door can be reached from everywhere.
#pragma once

#include "level_painter.h"

#include <vector>

struct ReachReport {
    int restingPlaces = 0;                    // places the body can stand still
    std::vector<LevelPoint> missedGems;       // gems no move takes
    bool doorReached = false;                 // from the start
    std::vector<LevelPoint> trappedPlaces;    // reachable standing places without a way to the door
};

// Walks and jumps the game's own player, with its own mover, through the
// level's ground from every place it can rest: runs of several lengths,
// jumps with the direction held for several lengths of the flight. Blood
// counts as air for walking and jumping, and zombies are left out. Blood at
// least 13 deep (in the picture, or in the pools the level declares) can
// also be swum: a body in it reaches all of it, takes its gems and leaps
// out from its surface with W held (speed -5.95 up), never helped by the
// mower's push.
ReachReport checkReach(const LevelLayout &level);
