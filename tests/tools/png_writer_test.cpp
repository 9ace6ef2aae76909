#include "content/png_writer.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstring>

namespace {

// Decodes PNG bytes with the same loader the game uses.
SDL_Surface *decode(const std::vector<std::uint8_t> &bytes)
{
    SDL_RWops *stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    return IMG_Load_RW(stream, 1);
}

std::uint32_t pixelAt(SDL_Surface *surface, int x, int y)
{
    const auto *row = static_cast<const std::uint8_t *>(surface->pixels) + y * surface->pitch;
    std::uint32_t raw = 0;
    std::memcpy(&raw, row + x * 4, 4);
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    SDL_GetRGBA(raw, surface->format, &r, &g, &b, &a);
    return (static_cast<std::uint32_t>(a) << 24) | (static_cast<std::uint32_t>(r) << 16) |
           (static_cast<std::uint32_t>(g) << 8) | b;
}

}  // namespace

TEST(PngWriter, game_loader_reads_back_every_pixel_and_alpha)
{
    Picture picture(5, 3, 0xFF000000u);
    picture.set(4, 0, 0xFFFF0000u);
    picture.set(2, 1, 0xFF00FFFFu);
    picture.set(4, 2, 0x00000000u);
    picture.set(0, 2, 0x80123456u);

    SDL_Surface *surface = decode(encodePng(picture));
    ASSERT_NE(surface, nullptr) << IMG_GetError();
    ASSERT_TRUE(surface->w == 5 && surface->h == 3 && surface->format->BytesPerPixel == 4);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(pixelAt(surface, x, y), picture.at(x, y)) << x << "," << y;
    SDL_FreeSurface(surface);
}

TEST(PngWriter, large_picture_survives_compression_and_an_empty_one_is_refused)
{
    Picture picture(256, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            picture.set(x, y, 0xFF000000u | static_cast<std::uint32_t>((x * 7 + y * 13) & 0xFF) << 8 |
                                  static_cast<std::uint32_t>(x ^ y));
    SDL_Surface *surface = decode(encodePng(picture));
    ASSERT_NE(surface, nullptr) << IMG_GetError();
    EXPECT_EQ(pixelAt(surface, 255, 255), picture.at(255, 255));
    EXPECT_EQ(pixelAt(surface, 17, 200), picture.at(17, 200));
    SDL_FreeSurface(surface);
    EXPECT_THROW(encodePng(Picture()), std::runtime_error);
}
