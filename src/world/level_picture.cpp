#include "world/level_picture.h"

LevelPixel levelPixelOf(std::uint32_t pixel)
{
    switch (pixel & 0xFFFFFF) {
    case kLevelGroundColor:
        return LevelPixel::Ground;
    case kLevelBloodColor:
        return LevelPixel::Blood;
    case kLevelZombieColor:
        return LevelPixel::Zombie;
    case kLevelCollectableColor:
        return LevelPixel::Collectable;
    case kLevelStartColor:
        return LevelPixel::Start;
    case kLevelDoorColor:
        return LevelPixel::Door;
    default:
        return LevelPixel::Empty;
    }
}

SurfacePtr convertLevelPicture(SDL_Surface *loaded)
{
    const SurfacePtr format(SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0));
    if (format == nullptr) {
        return SurfacePtr();
    }
    return SurfacePtr(SDL_ConvertSurface(loaded, format->format, SDL_SWSURFACE));
}
