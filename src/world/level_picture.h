// The level picture's colour code: what each pixel of a level picture puts
// into the world. The grid builds levels with it, and the authoring tools
// paint and check pictures with the same code.
#pragma once

#include "gfx/surface.h"

#include <cstdint>

// Level picture colours, as 0xRRGGBB; any other colour is empty space.
inline constexpr std::uint32_t kLevelGroundColor = 0xFFFFFF;
inline constexpr std::uint32_t kLevelBloodColor = 0xFF0000;
inline constexpr std::uint32_t kLevelZombieColor = 0x00FF00;
inline constexpr std::uint32_t kLevelCollectableColor = 0x00FFFF;
inline constexpr std::uint32_t kLevelStartColor = 0x0000FF;
inline constexpr std::uint32_t kLevelDoorColor = 0xFF00FF;

enum class LevelPixel : char { Empty, Ground, Blood, Zombie, Collectable, Start, Door };

// What a pixel of the converted picture stands for; its top byte is ignored.
LevelPixel levelPixelOf(std::uint32_t pixel);

// The picture in a fixed 32-bit 0x00RRGGBB layout, whatever the file held
// and whether or not a window is open. Converting drops the picture's own
// alpha and colour key, so every pixel keeps its stored colour. Null when
// SDL cannot convert it.
SurfacePtr convertLevelPicture(SDL_Surface *loaded);
