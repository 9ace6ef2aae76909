#include "gfx/door_sprite.h"

#include <cstdio>

std::unique_ptr<Sprite> doorSprite;
SurfacePtr doorImage;

bool createDoorSprite()
{
    resetDoorSprite();
    doorImage = loadPicture(kDoorPictureFile);
    if (doorImage == nullptr) {
        std::fprintf(stderr, "%s: cannot load picture: %s\n", kDoorPictureFile, SDL_GetError());
        return false;
    }
    doorSprite = std::make_unique<Sprite>();
    doorSprite->setImage(doorImage.get());
    doorSprite->play("door_closed");
    return true;
}

void resetDoorSprite()
{
    doorSprite.reset();
    doorImage.reset();
}
