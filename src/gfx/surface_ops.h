// The surface operations whose doing differs between the desktop and the
// browser, in one place. On the desktop each is SDL's own call. The
// browser's SDL keeps every surface on a canvas of its own and copies pixels
// between canvas and memory at every lock, unlock and blit; there the game
// keeps its surfaces in memory, draws them itself (gfx/memory_blit.h,
// gfx/turned_picture.h) and touches the page's canvas once a frame, when the
// screen is shown (src/web/).
#pragma once

#include <SDL.h>

// Bracket direct reads and writes of a surface's pixels.
void beginPixelAccess(SDL_Surface *surface);
void endPixelAccess(SDL_Surface *surface);

// The pixel size the composite enlarges by, for a game shown at pixelSize:
// pixelSize itself on the desktop; 1 in the browser, where the page
// enlarges the canvas.
int screenPixelSize(int pixelSize);

// A copy in the screen's pixel layout with the alpha channel kept or
// dropped (SDL_DisplayFormatAlpha, SDL_DisplayFormat); null on failure.
SDL_Surface *toScreenLayout(SDL_Surface *surface, bool keepAlpha);
// A copy in the layout of `format` (SDL_ConvertSurface); null on failure.
SDL_Surface *toLayout(SDL_Surface *surface, const SDL_PixelFormat *format);

// SDL_UpperBlit.
int blitSurface(SDL_Surface *source, SDL_Rect *part, SDL_Surface *target, SDL_Rect *place);

// The picture turned by `degrees` anticlockwise, smoothed, unscaled
// (rotozoomSurface at zoom 1 with smoothing); null on failure.
SDL_Surface *turnedSurface(SDL_Surface *picture, double degrees);

// Shows the drawn screen surface (SDL_Flip).
void showScreen(SDL_Surface *screen);
