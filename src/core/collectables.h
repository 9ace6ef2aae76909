// Collectables: points of the level the player takes by walking over them.
// They all bob together on one shared sprite of the collectable picture.
#pragma once

#include "world/vec2.h"

#include <vector>

// Every collectable of the level (world positions); emptied at level load.
// Taking one moves the last into its place, so the order is not kept.


// Takes the collectables within 10 pixels of the player's centre and draws
// the others; only those inside the camera, widened a little, take part.
void updateCollectables(Vec2 playerCentre);

// Drops the shared bobbing sprite; the next drawing makes it anew (for tests
// and whenever the collectable picture is replaced).
void resetCollectableSprite();
