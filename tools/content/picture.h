// Picture: a plain 32-bit picture in memory (0xAARRGGBB per pixel) that the
// content generator paints and then writes out as PNG.
#pragma once

#include <cstdint>
#include <vector>

struct Picture {
    int w = 0;
    int h = 0;
    std::vector<std::uint32_t> pixels;

    Picture() = default;
    Picture(int width, int height, std::uint32_t fill = 0);

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    // Reads outside the picture give 0 (clear).
    std::uint32_t at(int x, int y) const;
    // Writes outside the picture are dropped, so shapes may overhang.
    void set(int x, int y, std::uint32_t colour);
    // Mixes colour over the pixel with the given alpha (0-255), keeping the
    // pixel's own alpha.
    void blend(int x, int y, std::uint32_t colour, int alpha);
    void fillRect(int x, int y, int width, int height, std::uint32_t colour);
    // Copies source with its top-left at (x, y), clear pixels included.
    void paste(const Picture &source, int x, int y);
};

// Opaque colour from 0xRRGGBB.
constexpr std::uint32_t opaque(std::uint32_t rgb) { return 0xFF000000u | rgb; }
// Mixes two colours: t = 0 gives a, t = 1 gives b.
std::uint32_t mixColour(std::uint32_t a, std::uint32_t b, float t);
