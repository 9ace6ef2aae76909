#include "gfx/turned_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// rotozoomSurface treats smaller turns as no turn at all.
constexpr double kSmallestTurn = 0.001;
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

struct Channels {
    std::uint8_t c[4];
};

Channels pixelAt(const SDL_Surface *picture, int x, int y)
{
    Channels p{};
    std::memcpy(p.c, static_cast<const std::uint8_t *>(picture->pixels) + y * picture->pitch + x * 4, 4);
    return p;
}

// One channel of the bilinear mix; the shifts floor, and the first two
// results wrap to a byte, as the fixed-point original does.
std::uint8_t mix(int c00, int c01, int c10, int c11, int ex, int ey)
{
    const int top = ((((c01 - c00) * ex) >> 16) + c00) & 0xFF;
    const int bottom = ((((c11 - c10) * ex) >> 16) + c10) & 0xFF;
    return static_cast<std::uint8_t>((((bottom - top) * ey) >> 16) + top);
}

// Half the turned picture's size along one axis: the largest of the four
// corner sums, rounded up, at least 1. The halves are of the whole-pixel
// half sizes, so odd sizes lose their last half pixel.
int turnedHalf(double a, double b)
{
    const double largest = std::max({std::fabs(a + b), std::fabs(a - b), std::fabs(-a + b), std::fabs(-a - b)});
    return std::max(static_cast<int>(std::ceil(largest)), 1);
}

SDL_Surface *blankLike(const SDL_Surface *picture, int w, int h)
{
    const SDL_PixelFormat *f = picture->format;
    // Marked to blend by its alpha, as SDL_gfx's result is (the browser's SDL
    // does not mark it by itself).
    SDL_Surface *surface = SDL_CreateRGBSurface(SDL_SWSURFACE | (f->Amask != 0 ? SDL_SRCALPHA : 0), w, h, 32,
                                                f->Rmask, f->Gmask, f->Bmask, f->Amask);
    if (surface != nullptr) {
        for (int y = 0; y < h; ++y) {
            std::memset(static_cast<std::uint8_t *>(surface->pixels) + y * surface->pitch, 0,
                        static_cast<std::size_t>(w) * 4);
        }
    }
    return surface;
}

}  // namespace

SurfacePtr turnPicture(SDL_Surface *picture, double degrees)
{
    if (picture == nullptr || picture->format->BytesPerPixel != 4 || picture->w < 1 || picture->h < 1) {
        return SurfacePtr();
    }
    if (std::fabs(degrees) <= kSmallestTurn) {
        SurfacePtr copy(blankLike(picture, picture->w, picture->h));
        if (copy != nullptr) {
            for (int y = 0; y < picture->h; ++y) {
                std::memcpy(static_cast<std::uint8_t *>(copy->pixels) + y * copy->pitch,
                            static_cast<const std::uint8_t *>(picture->pixels) + y * picture->pitch,
                            static_cast<std::size_t>(picture->w) * 4);
            }
        }
        return copy;
    }
    const double radians = degrees * kRadiansPerDegree;
    const double sine = std::sin(radians);
    const double cosine = std::cos(radians);
    const double halfW = static_cast<double>(picture->w / 2);
    const double halfH = static_cast<double>(picture->h / 2);
    const int targetHalfW = turnedHalf(cosine * halfW, sine * halfH);
    const int targetHalfH = turnedHalf(sine * halfW, cosine * halfH);
    const int targetW = 2 * targetHalfW;
    const int targetH = 2 * targetHalfH;
    SurfacePtr turned(blankLike(picture, targetW, targetH));
    if (turned == nullptr) {
        return turned;
    }

    // Walk the target in 16.16 fixed point: each step right moves the source
    // position by (cos, sin), each row down by (sin, -cos) backwards.
    const int sin16 = static_cast<int>(sine * 65536.0);
    const int cos16 = static_cast<int>(cosine * 65536.0);
    // Half the size difference, in 16.16: the target is centred on the source.
    const int offsetX = (picture->w - targetW) * 32768;
    const int offsetY = (picture->h - targetH) * 32768;
    const int startX = targetHalfW * 65536 - cos16 * targetHalfW;
    const int startY = targetHalfH * 65536 - sin16 * targetHalfW;
    for (int y = 0; y < targetH; ++y) {
        const int rowsUp = targetHalfH - y;
        int sourceX = startX + sin16 * rowsUp + offsetX;
        int sourceY = startY - cos16 * rowsUp + offsetY;
        auto *out = static_cast<std::uint8_t *>(turned->pixels) + y * turned->pitch;
        for (int x = 0; x < targetW; ++x, out += 4) {
            const int px = sourceX >> 16;
            const int py = sourceY >> 16;
            if (px > -1 && py > -1 && px < picture->w - 1 && py < picture->h - 1) {
                const Channels c00 = pixelAt(picture, px, py);
                const Channels c01 = pixelAt(picture, px + 1, py);
                const Channels c10 = pixelAt(picture, px, py + 1);
                const Channels c11 = pixelAt(picture, px + 1, py + 1);
                const int ex = sourceX & 0xFFFF;
                const int ey = sourceY & 0xFFFF;
                for (int c = 0; c < 4; ++c) {
                    out[c] = mix(c00.c[c], c01.c[c], c10.c[c], c11.c[c], ex, ey);
                }
            }
            sourceX += cos16;
            sourceY += sin16;
        }
    }
    return turned;
}
