// The browser's surface operations. Its SDL keeps every surface on a canvas
// and copies pixels between canvas and memory at every lock, unlock and
// blit; these keep the game's surfaces in memory instead. Pictures come in
// with their pixels already read (web_picture_file.cpp), copies, blits and
// turns are made here, and the screen reaches the page's canvas once a
// frame. Every surface holds 32-bit pixels; the world and the screen hold
// 0x00RRGGBB as on the desktop, whatever layout SDL's screen claims.
#include "gfx/surface_ops.h"

#include "gfx/memory_blit.h"
#include "gfx/turned_picture.h"
#include "web/page.h"

#include <cstdint>

namespace {

constexpr PixelLayout kScreenLayout{0x00FF0000, 0x0000FF00, 0x000000FF, 0};
constexpr PixelLayout kScreenLayoutWithAlpha{0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};

}  // namespace

void beginPixelAccess(SDL_Surface *) {}

void endPixelAccess(SDL_Surface *) {}

int screenPixelSize(int pixelSize)
{
    page::setPixelSize(pixelSize);
    return 1;
}

SDL_Surface *toScreenLayout(SDL_Surface *surface, bool keepAlpha)
{
    return convertSurfaceInMemory(surface, keepAlpha ? kScreenLayoutWithAlpha : kScreenLayout).release();
}

SDL_Surface *toLayout(SDL_Surface *surface, const SDL_PixelFormat *format)
{
    return convertSurfaceInMemory(surface, PixelLayout{format->Rmask, format->Gmask, format->Bmask, format->Amask})
        .release();
}

int blitSurface(SDL_Surface *source, SDL_Rect *part, SDL_Surface *target, SDL_Rect *place)
{
    return blitInMemory(source, part, target, place);
}

SDL_Surface *turnedSurface(SDL_Surface *picture, double degrees)
{
    return turnPicture(picture, degrees).release();
}

void showScreen(SDL_Surface *screen)
{
    page::showPicture(static_cast<const std::uint32_t *>(screen->pixels), screen->w, screen->h, screen->pitch);
}
