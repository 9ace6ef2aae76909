#include "picture.h"

#include <algorithm>
#include <cmath>

Picture::Picture(int width, int height, std::uint32_t fill)
    : w(width), h(height), pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill)
{
}

std::uint32_t Picture::at(int x, int y) const
{
    if (!inside(x, y))
        return 0;
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)];
}

void Picture::set(int x, int y, std::uint32_t colour)
{
    if (inside(x, y))
        pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)] = colour;
}

void Picture::blend(int x, int y, std::uint32_t colour, int alpha)
{
    if (!inside(x, y))
        return;
    const std::uint32_t old = at(x, y);
    const std::uint32_t mixed = mixColour(old, colour, static_cast<float>(alpha) / 255.0f);
    set(x, y, (old & 0xFF000000u) | (mixed & 0x00FFFFFFu));
}

void Picture::fillRect(int x, int y, int width, int height, std::uint32_t colour)
{
    for (int row = std::max(y, 0); row < std::min(y + height, h); ++row)
        for (int column = std::max(x, 0); column < std::min(x + width, w); ++column)
            set(column, row, colour);
}

void Picture::paste(const Picture &source, int x, int y)
{
    for (int row = 0; row < source.h; ++row)
        for (int column = 0; column < source.w; ++column)
            set(x + column, y + row, source.at(column, row));
}

std::uint32_t mixColour(std::uint32_t a, std::uint32_t b, float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    std::uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const float from = static_cast<float>((a >> shift) & 0xFFu);
        const float to = static_cast<float>((b >> shift) & 0xFFu);
        const auto channel = static_cast<std::uint32_t>(std::lround(from + (to - from) * t));
        result |= (channel & 0xFFu) << shift;
    }
    return result;
}
