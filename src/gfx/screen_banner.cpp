#include "gfx/screen_banner.h"

#include "gfx/pixel_ops.h"

#include <algorithm>

void drawScreenBanner(SDL_Surface *screen, SDL_Surface *banner, int pixelSize)
{
    if (screen == nullptr || banner == nullptr || screen->format->BytesPerPixel != 4 || pixelSize < 1) {
        return;
    }
    const int left = (screen->w - banner->w * pixelSize) / 2;
    const int top = (screen->h - banner->h * pixelSize) / 2;
    if (SDL_MUSTLOCK(screen)) {
        SDL_LockSurface(screen);
    }
    if (SDL_MUSTLOCK(banner)) {
        SDL_LockSurface(banner);
    }
    for (int y = 0; y < banner->h; ++y) {
        for (int x = 0; x < banner->w; ++x) {
            Uint8 r = 0, g = 0, b = 0, a = 0;
            SDL_GetRGBA(getPixel(banner, x, y), banner->format, &r, &g, &b, &a);
            if (a == 0) {
                continue;
            }
            const std::uint32_t colour = (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) | b;
            const int x0 = std::max(left + x * pixelSize, 0);
            const int x1 = std::min(left + (x + 1) * pixelSize, screen->w);
            const int y0 = std::max(top + y * pixelSize, 0);
            const int y1 = std::min(top + (y + 1) * pixelSize, screen->h);
            for (int sy = y0; sy < y1; ++sy) {
                auto *row = reinterpret_cast<std::uint32_t *>(static_cast<std::uint8_t *>(screen->pixels) +
                                                              sy * screen->pitch);
                for (int sx = x0; sx < x1; ++sx) {
                    Uint8 dr = 0, dg = 0, db = 0;
                    SDL_GetRGB(row[sx], screen->format, &dr, &dg, &db);
                    const std::uint32_t under =
                        (static_cast<std::uint32_t>(dr) << 16) | (static_cast<std::uint32_t>(dg) << 8) | db;
                    const std::uint32_t mixed = blendColor(under, colour, a);
                    row[sx] = SDL_MapRGB(screen->format, (mixed >> 16) & 0xFF, (mixed >> 8) & 0xFF, mixed & 0xFF);
                }
            }
        }
    }
    if (SDL_MUSTLOCK(banner)) {
        SDL_UnlockSurface(banner);
    }
    if (SDL_MUSTLOCK(screen)) {
        SDL_UnlockSurface(screen);
    }
    if (screen == SDL_GetVideoSurface()) {
        SDL_Flip(screen);
    }
}
