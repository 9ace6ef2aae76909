#include "gfx/memory_blit.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

struct ChannelShifts {
    int red = 0;
    int green = 0;
    int blue = 0;
    int alpha = 0;
    bool hasAlpha = false;
    std::uint32_t spare = 0;  // the bits outside the three colours
};

ChannelShifts shiftsOf(const PixelLayout &layout)
{
    ChannelShifts s;
    s.red = std::countr_zero(layout.red);
    s.green = std::countr_zero(layout.green);
    s.blue = std::countr_zero(layout.blue);
    s.hasAlpha = layout.alpha != 0;
    s.alpha = s.hasAlpha ? std::countr_zero(layout.alpha) : 0;
    s.spare = ~(layout.red | layout.green | layout.blue);
    return s;
}

bool sameColourLayout(const PixelLayout &a, const PixelLayout &b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

std::uint32_t *row(SDL_Surface *surface, int y)
{
    return reinterpret_cast<std::uint32_t *>(static_cast<std::uint8_t *>(surface->pixels) + y * surface->pitch);
}

std::uint32_t channel(std::uint32_t pixel, int shift)
{
    return (pixel >> shift) & 0xFF;
}

// The source pixel's channels repacked in the target's layout.
std::uint32_t repack(std::uint32_t pixel, const ChannelShifts &from, const ChannelShifts &to)
{
    std::uint32_t out = (channel(pixel, from.red) << to.red) | (channel(pixel, from.green) << to.green) |
                        (channel(pixel, from.blue) << to.blue);
    if (to.hasAlpha) {
        out |= (from.hasAlpha ? channel(pixel, from.alpha) : 0xFFu) << to.alpha;
    }
    return out;
}

// SDL's blend between surfaces of one colour layout: d + (s - d) * a / 256,
// floored; opaque pixels are copied; the target's spare byte is kept.
std::uint32_t blendSameLayout(std::uint32_t s, std::uint32_t d, std::uint32_t a, const ChannelShifts &to)
{
    if (a == 255) {
        return (s & ~to.spare) | (d & to.spare);
    }
    std::uint32_t out = d & to.spare;
    for (const int shift : {to.red, to.green, to.blue}) {
        const int dc = static_cast<int>(channel(d, shift));
        const int sc = static_cast<int>(channel(s, shift));
        out |= static_cast<std::uint32_t>(dc + (((sc - dc) * static_cast<int>(a)) >> 8)) << shift;
    }
    return out;
}

// SDL's blend between different layouts: d + ((s - d) * a + 255) / 256,
// floored, for every alpha above 0.
std::uint32_t blendAcrossLayouts(std::uint32_t s, std::uint32_t d, std::uint32_t a, const ChannelShifts &from,
                                 const ChannelShifts &to)
{
    std::uint32_t out = d & to.spare;
    const int pairs[3][2] = {{from.red, to.red}, {from.green, to.green}, {from.blue, to.blue}};
    for (const auto &pair : pairs) {
        const int sc = static_cast<int>(channel(s, pair[0]));
        const int dc = static_cast<int>(channel(d, pair[1]));
        out |= static_cast<std::uint32_t>(dc + (((sc - dc) * static_cast<int>(a) + 255) >> 8)) << pair[1];
    }
    return out;
}

}  // namespace

PixelLayout layoutOf(const SDL_Surface *surface)
{
    const SDL_PixelFormat *f = surface->format;
    return PixelLayout{f->Rmask, f->Gmask, f->Bmask, f->Amask};
}

SurfacePtr createSurface(int w, int h, const PixelLayout &layout)
{
    SurfacePtr surface(SDL_CreateRGBSurface(SDL_SWSURFACE | (layout.alpha != 0 ? SDL_SRCALPHA : 0), w, h, 32,
                                            layout.red, layout.green, layout.blue, layout.alpha));
    if (surface == nullptr) {
        return surface;
    }
    // The browser's SDL takes a zero mask for "the default" and leaves the
    // pixels unset.
    surface->format->Amask = layout.alpha;
    for (int y = 0; y < h; ++y) {
        std::memset(row(surface.get(), y), 0, static_cast<std::size_t>(w) * 4);
    }
    return surface;
}

SurfacePtr convertSurfaceInMemory(SDL_Surface *source, const PixelLayout &layout)
{
    if (source == nullptr || source->format->BytesPerPixel != 4) {
        return SurfacePtr();
    }
    SurfacePtr target = createSurface(source->w, source->h, layout);
    if (target == nullptr) {
        return target;
    }
    const ChannelShifts from = shiftsOf(layoutOf(source));
    const ChannelShifts to = shiftsOf(layout);
    for (int y = 0; y < source->h; ++y) {
        const std::uint32_t *in = row(source, y);
        std::uint32_t *out = row(target.get(), y);
        for (int x = 0; x < source->w; ++x) {
            out[x] = repack(in[x], from, to);
        }
    }
    return target;
}

int blitInMemory(SDL_Surface *source, const SDL_Rect *part, SDL_Surface *target, SDL_Rect *place)
{
    if (source == nullptr || target == nullptr || source->format->BytesPerPixel != 4 ||
        target->format->BytesPerPixel != 4) {
        return -1;
    }
    // Clip the part to the source, then to the target, as SDL_UpperBlit does.
    int sx = 0;
    int sy = 0;
    int w = source->w;
    int h = source->h;
    int dx = place != nullptr ? place->x : 0;
    int dy = place != nullptr ? place->y : 0;
    if (part != nullptr) {
        sx = part->x;
        sy = part->y;
        w = part->w;
        h = part->h;
        if (sx < 0) {
            w += sx;
            dx -= sx;
            sx = 0;
        }
        if (sy < 0) {
            h += sy;
            dy -= sy;
            sy = 0;
        }
        w = std::min(w, source->w - sx);
        h = std::min(h, source->h - sy);
    }
    if (dx < 0) {
        w += dx;
        sx -= dx;
        dx = 0;
    }
    if (dy < 0) {
        h += dy;
        sy -= dy;
        dy = 0;
    }
    w = std::min(w, target->w - dx);
    h = std::min(h, target->h - dy);
    if (w <= 0 || h <= 0) {
        w = 0;
        h = 0;
    }
    if (place != nullptr) {
        place->x = dx;
        place->y = dy;
        place->w = w;
        place->h = h;
    }
    if (w == 0) {
        return 0;
    }

    const PixelLayout sourceLayout = layoutOf(source);
    const PixelLayout targetLayout = layoutOf(target);
    const ChannelShifts from = shiftsOf(sourceLayout);
    const ChannelShifts to = shiftsOf(targetLayout);
    const bool blends = (source->flags & SDL_SRCALPHA) != 0 && from.hasAlpha;
    const bool sameLayout = sameColourLayout(sourceLayout, targetLayout) && sourceLayout.alpha == 0xFF000000u;
    for (int y = 0; y < h; ++y) {
        const std::uint32_t *in = row(source, sy + y) + sx;
        std::uint32_t *out = row(target, dy + y) + dx;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t s = in[x];
            if (!blends) {
                out[x] = repack(s, from, to);
                continue;
            }
            const std::uint32_t a = channel(s, from.alpha);
            if (a == 0) {
                continue;
            }
            out[x] = sameLayout ? blendSameLayout(s, out[x], a, to) : blendAcrossLayouts(s, out[x], a, from, to);
        }
    }
    return 0;
}
