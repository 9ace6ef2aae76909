// The exit door: one sprite made at start-up on "data/gfx/door.png" and
// kept for the whole run. The door picture is owned here with it.
#pragma once

#include "gfx/sprite.h"
#include "gfx/surface.h"

#include <memory>

inline constexpr const char *kDoorPictureFile = "data/gfx/door.png";

extern std::unique_ptr<Sprite> doorSprite;
extern SurfacePtr doorImage;

// Loads the door picture and makes the door sprite playing "door_closed".
// False, with a line on standard error naming the file, when the picture
// cannot be loaded; there is then no door sprite.
bool createDoorSprite();

// Drops the door sprite, then its picture.
void resetDoorSprite();
