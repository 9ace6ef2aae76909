// The desktop's surface operations: SDL's and SDL_gfx's own calls.
#include "gfx/surface_ops.h"

#include <SDL_rotozoom.h>

void beginPixelAccess(SDL_Surface *surface)
{
    if (SDL_MUSTLOCK(surface)) {
        SDL_LockSurface(surface);
    }
}

void endPixelAccess(SDL_Surface *surface)
{
    if (SDL_MUSTLOCK(surface)) {
        SDL_UnlockSurface(surface);
    }
}

int screenPixelSize(int pixelSize)
{
    return pixelSize;
}

SDL_Surface *toScreenLayout(SDL_Surface *surface, bool keepAlpha)
{
    return keepAlpha ? SDL_DisplayFormatAlpha(surface) : SDL_DisplayFormat(surface);
}

SDL_Surface *toLayout(SDL_Surface *surface, const SDL_PixelFormat *format)
{
    return SDL_ConvertSurface(surface, const_cast<SDL_PixelFormat *>(format), SDL_SWSURFACE);
}

int blitSurface(SDL_Surface *source, SDL_Rect *part, SDL_Surface *target, SDL_Rect *place)
{
    return SDL_UpperBlit(source, part, target, place);
}

SDL_Surface *turnedSurface(SDL_Surface *picture, double degrees)
{
    return rotozoomSurface(picture, degrees, 1.0, SMOOTHING_ON);
}

void showScreen(SDL_Surface *screen)
{
    SDL_Flip(screen);
}
