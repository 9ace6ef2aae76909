#include "gfx/scene_render.h"

#include "gfx/video.h"

#include <cstdint>
#include <cstring>

void drawBackground()
{
    if (video.background == nullptr || video.world == nullptr) {
        return;
    }
    SDL_Rect source{static_cast<Sint16>(camera.x), static_cast<Sint16>(camera.y),
                    static_cast<Uint16>(camera.w), static_cast<Uint16>(camera.h)};
    SDL_UpperBlit(video.background.get(), &source, video.world.get(), nullptr);
}

void render()
{
    SDL_Surface *world = video.world.get();
    SDL_Surface *screen = video.screen;
    if (world == nullptr || screen == nullptr) {
        return;
    }
    const int scale = pixelSize;
    for (int i = 0; i < world->h; ++i) {
        const auto *src = reinterpret_cast<const std::uint32_t *>(static_cast<const std::uint8_t *>(world->pixels) +
                                                                  i * world->pitch);
        auto *first = reinterpret_cast<std::uint32_t *>(static_cast<std::uint8_t *>(screen->pixels) +
                                                        i * scale * screen->pitch);
        for (int x = 0; x < world->w; ++x) {
            for (int r = 0; r < scale; ++r) {
                first[x * scale + r] = src[x];
            }
        }
        for (int k = 1; k < scale; ++k) {
            std::memcpy(static_cast<std::uint8_t *>(screen->pixels) + (i * scale + k) * screen->pitch, first,
                        static_cast<std::size_t>(world->w * scale) * 4);
        }
    }
    SDL_Flip(screen);
}
