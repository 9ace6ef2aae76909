// Blits and pixel layout conversions of 32-bit surfaces done by the game
// itself on pixels in memory, giving the pixels SDL 1.2 gives on the
// desktop. The browser build uses them: its SDL keeps every surface on a
// canvas and would copy it back and forth at every blit.
#pragma once

#include "gfx/surface.h"

#include <SDL.h>

#include <cstdint>

struct PixelLayout {
    std::uint32_t red = 0x00FF0000;
    std::uint32_t green = 0x0000FF00;
    std::uint32_t blue = 0x000000FF;
    std::uint32_t alpha = 0;  // 0: no alpha channel
};

// The layout of a 32-bit surface.
PixelLayout layoutOf(const SDL_Surface *surface);

// A clear 32-bit surface in the layout; it blends by its alpha channel when
// it has one. Null when memory runs out.
SurfacePtr createSurface(int w, int h, const PixelLayout &layout);

// A copy in another layout: each channel keeps its value; a source without
// alpha counts as opaque, and a target without alpha gets 0 in its unused
// byte. Null when the source is not 32-bit or memory runs out.
SurfacePtr convertSurfaceInMemory(SDL_Surface *source, const PixelLayout &layout);

// SDL_UpperBlit on surfaces in memory: the part (all of the source when
// null) is clipped to both surfaces and drawn at place's x and y (0, 0 when
// null); place gets the rectangle drawn. A source with alpha blends as SDL
// 1.2 blends it: alpha 0 leaves the target, and otherwise each channel moves
// toward the source by alpha/256 of the distance, floored, when the two
// share their colour layout (alpha 255 copies), or by (distance * alpha +
// 255) / 256, floored, when they do not. A source without alpha is copied.
// The target's unused top byte is not part of the result. Returns 0, or -1
// when a surface is not 32-bit.
int blitInMemory(SDL_Surface *source, const SDL_Rect *part, SDL_Surface *target, SDL_Rect *place);
