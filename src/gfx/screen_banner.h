// A banner laid over the finished frame on the screen, such as the "PAUSED"
// picture over the frozen view: drawn in world pixels, enlarged like the
// world, blended by its own alpha, centred on the screen.
#pragma once

#include <SDL.h>

// Draws the picture centred on the 32-bit screen, each of its pixels as a
// pixelSize square, and flips the screen. Parts outside the screen are cut.
void drawScreenBanner(SDL_Surface *screen, SDL_Surface *banner, int pixelSize);
