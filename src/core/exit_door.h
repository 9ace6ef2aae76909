// The exit door: it opens once no collectable is left, and walking into the
// open door finishes the level.
#pragma once

#include "world/vec2.h"
#include "xml/rect.h"

class Sprite;

// True when rect.x <= x < rect.x + rect.w and rect.y <= y < rect.y + rect.h:
// the left and top edges are inside, the right and bottom ones outside.
bool pointInRect(const Rect &rect, float x, float y);

// Opens the door (its sprite plays "door_open") once the collectables are
// gone; true when the player's centre is inside the open door's rectangle.
bool updateExitDoor(bool &doorOpen, Sprite *doorSprite, Vec2 playerCentre);
