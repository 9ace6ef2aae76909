// An authoring preview of a level as the game would first show it: the
// background, ground in the level's colour, tinted blood, and the door,
// gems, zombies and player drawn from their sprite sheets.
#pragma once

#include "level_painter.h"
#include "sprite_sheet.h"

struct PreviewSprites {
    SpriteSheet player;
    SpriteSheet zombie;
    SpriteSheet door;
    Picture collectable;
    Picture lawnmower;
};

// groundColour is 0xRRGGBB as it appears on screen.
Picture previewLevel(const LevelLayout &level, const Picture &background, std::uint32_t groundColour,
                     const PreviewSprites &sprites);
