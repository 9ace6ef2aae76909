// Zombies in play: those near the camera are stepped, shredded by the
// lawnmower with a spray of blood, removed once dead, and drawn.
#pragma once

#include "world/vec2.h"

class CellGrid;
class Player;

// One frame of the zombies inside the camera, widened (14 left, 13 up, 7
// right, 1 down); zombies outside keep their state, even when dead.
void updateZombies(Player &player, CellGrid &grid);

// The blood of one lawnmower strike at hand, flying away from the player's
// bottom-left corner: at least 2 blood-carrying particles, more and a share
// of dry ones as the throttle rises.
void sprayStrike(CellGrid &grid, Vec2 hand, Vec2 playerPosition, float throttle);
