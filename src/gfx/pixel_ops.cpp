#include "gfx/pixel_ops.h"

#include "gfx/video.h"

#include <cstring>

std::uint32_t getPixel(const SDL_Surface *surface, int x, int y)
{
    const int bpp = surface->format->BytesPerPixel;
    const auto *p = static_cast<const std::uint8_t *>(surface->pixels) + y * surface->pitch + x * bpp;
    switch (bpp) {
    case 1:
        return *p;
    case 2: {
        std::uint16_t v = 0;
        std::memcpy(&v, p, 2);
        return v;
    }
    case 3: {
        std::uint16_t low = 0;
        std::memcpy(&low, p, 2);
        return static_cast<std::uint32_t>(low) | (static_cast<std::uint32_t>(p[2]) << 16);
    }
    case 4: {
        std::uint32_t v = 0;
        std::memcpy(&v, p, 4);
        return v;
    }
    default:
        return 0;
    }
}

void putPixel(SDL_Surface *surface, std::int16_t x, std::int16_t y, std::uint32_t value)
{
    auto *p = static_cast<std::uint8_t *>(surface->pixels) + y * surface->pitch + 4 * x;
    std::memcpy(p, &value, 4);
}

std::uint32_t blendColor(std::uint32_t d, std::uint32_t s, std::uint32_t alpha)
{
    const int a = static_cast<int>(alpha & 0xFF);
    if (a == 255) {
        return s;
    }
    std::uint32_t result = d & 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int dc = static_cast<int>((d >> shift) & 0xFF);
        const int sc = static_cast<int>((s >> shift) & 0xFF);
        // Arithmetic shift floors toward minus infinity, as the blend wants.
        const int c = dc + (((sc - dc) * a) >> 8);
        result |= static_cast<std::uint32_t>(c) << shift;
    }
    return result;
}

namespace {

// The camera-relative position of a world pixel, if it lies on the surface
// inside the camera. The test runs on full integers: narrowing first would
// wrap a far-off pixel round onto the screen.
bool cameraPixel(const SDL_Surface *surface, int worldX, int worldY, int &x, int &y)
{
    const long long dx = static_cast<long long>(worldX) - camera.x;
    const long long dy = static_cast<long long>(worldY) - camera.y;
    if (dx < 0 || dy < 0 || dx >= camera.w || dy >= camera.h || dx >= surface->w || dy >= surface->h) {
        return false;
    }
    x = static_cast<int>(dx);
    y = static_cast<int>(dy);
    return true;
}

}  // namespace

void putWorldPixel(SDL_Surface *surface, int worldX, int worldY, std::uint32_t value)
{
    int x = 0;
    int y = 0;
    if (!cameraPixel(surface, worldX, worldY, x, y)) {
        return;
    }
    putPixel(surface, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), value);
}

void blendWorldPixel(SDL_Surface *surface, int worldX, int worldY, std::uint32_t color)
{
    int x = 0;
    int y = 0;
    if (!cameraPixel(surface, worldX, worldY, x, y)) {
        return;
    }
    putPixel(surface, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
             blendColor(getPixel(surface, x, y), color, 125));
}

void drawWorldLine(SDL_Surface *surface, int x0, int y0, int x1, int y1, std::uint32_t color,
                   int maxPixels)
{
    Vec2 p(x0, y0);
    const Vec2 q(x1, y1);
    const Vec2 d = q - p;
    const float larger = maxOf(absOf(d.x), absOf(d.y));
    if (larger <= 0.0f) {
        return;  // the ends coincide: nothing to draw
    }
    const Vec2 step(d.x / larger, d.y / larger);
    for (int i = 0; i < maxPixels && (p - q).lengthSquared() > 1.0f; ++i) {
        putWorldPixel(surface, static_cast<int>(p.x), static_cast<int>(p.y), color);
        p += step;
    }
}

void drawWorldLine(Vec2 from, Vec2 to, std::uint32_t color, int maxPixels)
{
    if (video.world == nullptr) {
        return;
    }
    drawWorldLine(video.world.get(), static_cast<int>(from.x), static_cast<int>(from.y),
                  static_cast<int>(to.x), static_cast<int>(to.y), color, maxPixels);
}
