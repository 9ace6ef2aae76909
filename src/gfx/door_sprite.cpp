#include "gfx/door_sprite.h"

#include "gfx/video.h"

#include <cstdio>

bool createDoorSprite()
{
    doorSprite.reset();
    video.doorImage = loadPicture(kDoorPictureFile);
    if (video.doorImage == nullptr) {
        std::fprintf(stderr, "%s: cannot load picture: %s\n", kDoorPictureFile, SDL_GetError());
        return false;
    }
    doorSprite = std::make_unique<Sprite>();
    doorSprite->setImage(video.doorImage.get());
    doorSprite->play("door_closed");
    return true;
}
