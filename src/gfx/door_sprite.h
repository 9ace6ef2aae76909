// The exit door's sprite, made at start-up on "data/gfx/door.png"; the
// sprite and its picture are part of the graphics state (gfx/video.h).
#pragma once

#include "gfx/sprite.h"
#include "gfx/surface.h"

#include <memory>

inline constexpr const char *kDoorPictureFile = "data/gfx/door.png";

// Loads the door picture and makes the door sprite playing "door_closed".
// False, with a line on standard error naming the file, when the picture
// cannot be loaded; there is then no door sprite.
bool createDoorSprite();

