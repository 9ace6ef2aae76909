// A picture turned about its centre, made by the game itself: pixel for
// pixel what SDL_gfx's rotozoomSurface gives at zoom 1 with smoothing on,
// for the builds that have no SDL_gfx (the browser).
#pragma once

#include "gfx/surface.h"

#include <SDL.h>

// The 32-bit picture turned by `degrees` anticlockwise, on a clear surface
// of even size just large enough to hold it, in the picture's own pixel
// layout. Each target pixel mixes the four source pixels around its
// position, channel by channel, in 16.16 fixed point; target pixels whose
// position falls on the picture's last row or column stay clear, as
// rotozoomSurface leaves them. Within 0.001 degrees of no turn the result is
// a plain copy. Null for a picture that is not 32-bit or when memory runs
// out.
SurfacePtr turnPicture(SDL_Surface *picture, double degrees);
