#include "content/png_writer.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstring>

TEST(PngWriter, game_loader_reads_back_every_pixel_and_alpha)
{
    // Every alpha, and a picture large enough that the rows must be
    // filtered and compressed right.
    Picture picture(256, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            picture.set(x, y, static_cast<std::uint32_t>((x * 5 + y) & 0xFF) << 24 |
                                  static_cast<std::uint32_t>((x * 7 + y * 13) & 0xFF) << 8 |
                                  static_cast<std::uint32_t>(x ^ y));
    picture.set(0, 0, 0x00000000u);
    picture.set(1, 0, 0xFFFF0000u);
    const std::vector<std::uint8_t> bytes = encodePng(picture);
    SDL_Surface *surface = IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
    ASSERT_NE(surface, nullptr) << IMG_GetError();
    ASSERT_TRUE(surface->w == 256 && surface->h == 256 && surface->format->BytesPerPixel == 4);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            std::uint32_t raw = 0;
            std::memcpy(&raw, static_cast<const std::uint8_t *>(surface->pixels) + y * surface->pitch + x * 4, 4);
            std::uint8_t r = 0, g = 0, b = 0, a = 0;
            SDL_GetRGBA(raw, surface->format, &r, &g, &b, &a);
            ASSERT_EQ(static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(r) << 16 |
                          static_cast<std::uint32_t>(g) << 8 | b,
                      picture.at(x, y))
                << x << "," << y;
        }
    SDL_FreeSurface(surface);
    EXPECT_THROW(encodePng(Picture()), std::runtime_error);
}
