#include "content/png_writer.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

// A gradient with some noise: rows and columns that the filters predict
// well in places and badly in others.
std::uint32_t busyColour(int x, int y)
{
    return static_cast<std::uint32_t>((x * 7 + y * 13) & 0xFF) << 8 | static_cast<std::uint32_t>(x ^ y) |
           static_cast<std::uint32_t>((x * y) & 0x3F) << 16;
}

struct Case {
    const char *name;
    int colourType;  // the PNG colour type written
    std::function<std::uint32_t(int, int)> pixel;
};

// The loaded picture's pixel as 0xAARRGGBB, whatever layout SDL_image chose.
std::uint32_t loadedPixel(SDL_Surface *surface, int x, int y)
{
    const std::uint8_t *at = static_cast<const std::uint8_t *>(surface->pixels) + y * surface->pitch +
                             x * surface->format->BytesPerPixel;
    std::uint32_t raw = 0;
    for (int i = 0; i < surface->format->BytesPerPixel; ++i)
        raw |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    SDL_GetRGBA(raw, surface->format, &r, &g, &b, &a);
    return static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(r) << 16 |
           static_cast<std::uint32_t>(g) << 8 | b;
}

}  // namespace

TEST(PngWriter, the_game_loader_reads_back_every_pixel_in_each_stored_form)
{
    const Case cases[] = {
        // Every alpha, and one clear pixel: RGBA.
        {"alpha", 6, [](int x, int y) { return static_cast<std::uint32_t>((x * 5 + y) & 0xFF) << 24 | busyColour(x, y); }},
        {"one clear pixel", 6, [](int x, int y) { return x == 3 && y == 7 ? 0u : 0xFF000000u | (x & 1) * 0xFFu; }},
        // Opaque with more colours than a palette holds: RGB.
        {"opaque, many colours", 2, [](int x, int y) { return 0xFF000000u | busyColour(x, y); }},
        {"opaque, 257 colours", 2, [](int x, int y) { return 0xFF000000u | static_cast<std::uint32_t>((y * 256 + x) % 257) * 0x010101u; }},
        // Opaque with at most 256 colours: a palette.
        {"opaque, 256 colours", 3, [](int x, int y) { return 0xFF000000u | static_cast<std::uint32_t>((y * 256 + x) % 256) * 0x010203u; }},
        {"opaque, level colours", 3, [](int x, int y) { return y > 200 ? 0xFF00FF00u : x % 50 == 0 ? 0xFFFF0000u : 0xFF000000u; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Picture picture(256, 256);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                picture.set(x, y, c.pixel(x, y));
        const std::vector<std::uint8_t> bytes = encodePng(picture);
        ASSERT_GT(bytes.size(), 26u);
        EXPECT_EQ(bytes[25], c.colourType);
        EXPECT_EQ(encodePng(picture), bytes) << "the same pixels give the same bytes";
        SDL_Surface *surface = IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
        ASSERT_NE(surface, nullptr) << IMG_GetError();
        ASSERT_TRUE(surface->w == 256 && surface->h == 256);
        int wrong = 0;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                wrong += loadedPixel(surface, x, y) != picture.at(x, y);
        EXPECT_EQ(wrong, 0);
        if (c.colourType == 6) {
            // Transparency keeps the alpha channel the game's loader gives.
            EXPECT_EQ(surface->format->BytesPerPixel, 4);
            EXPECT_NE(surface->format->Amask, 0u);
        }
        SDL_FreeSurface(surface);
    }
    EXPECT_THROW(encodePng(Picture()), std::runtime_error);
}
