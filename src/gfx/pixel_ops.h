// Pixel operations on 32-bit surfaces: raw reads and writes, blending, and
// camera-relative drawing of world pixels and lines. Colours are 0xAARRGGBB.
#pragma once

#include "world/vec2.h"

#include <SDL.h>

#include <cstdint>

// The pixel at (x, y) for 1 to 4 bytes per pixel; 0 for any other depth.
std::uint32_t getPixel(const SDL_Surface *surface, int x, int y);
// Stores a 32-bit value at (x, y); the caller keeps (x, y) inside the surface.
void putPixel(SDL_Surface *surface, std::int16_t x, std::int16_t y, std::uint32_t value);
// Moves each colour channel of d toward s by alpha/256; alpha 255 gives s.
std::uint32_t blendColor(std::uint32_t d, std::uint32_t s, std::uint32_t alpha);

// World-coordinate drawing, clipped to the camera.
void putWorldPixel(SDL_Surface *surface, int worldX, int worldY, std::uint32_t value);
void blendWorldPixel(SDL_Surface *surface, int worldX, int worldY, std::uint32_t color);
// Draws from (x0, y0) toward (x1, y1): the start pixel is drawn, the end pixel
// is not, and at most maxPixels pixels.
void drawWorldLine(SDL_Surface *surface, int x0, int y0, int x1, int y1, std::uint32_t color,
                   int maxPixels);
// The same on the world surface, with the end points truncated toward zero.
void drawWorldLine(Vec2 from, Vec2 to, std::uint32_t color, int maxPixels);
