// The turned picture the browser makes against SDL_gfx's rotozoomSurface on
// this machine: the same size and pixels at every angle, and, blitted onto
// the world as each build blits it, the same world.
#include "gfx/turned_picture.h"

#include "gfx/memory_blit.h"

#include <SDL_rotozoom.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

SurfacePtr randomPicture(int w, int h, std::mt19937 &random)
{
    SurfacePtr s(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            auto *p = reinterpret_cast<std::uint32_t *>(static_cast<std::uint8_t *>(s->pixels) + y * s->pitch) + x;
            // Clear, opaque and in-between pixels, as a sprite's edge has.
            const std::uint32_t alpha = (random() % 3 == 0) ? 0 : (random() % 2 == 0 ? 255 : random() % 256);
            *p = (static_cast<std::uint32_t>(random()) & 0xFFFFFF) | (alpha << 24);
        }
    return s;
}

std::uint32_t pixelAt(const SDL_Surface *s, int x, int y)
{
    std::uint32_t p = 0;
    std::memcpy(&p, static_cast<const std::uint8_t *>(s->pixels) + y * s->pitch + x * 4, 4);
    return p;
}

// Empty when both surfaces hold the same pixels under the mask.
std::string difference(const SDL_Surface *expected, const SDL_Surface *actual, std::uint32_t mask)
{
    if (expected->w != actual->w || expected->h != actual->h)
        return "size " + std::to_string(actual->w) + "x" + std::to_string(actual->h) + ", SDL_gfx " +
               std::to_string(expected->w) + "x" + std::to_string(expected->h);
    for (int y = 0; y < expected->h; ++y)
        for (int x = 0; x < expected->w; ++x)
            if ((pixelAt(expected, x, y) & mask) != (pixelAt(actual, x, y) & mask))
                return "pixel " + std::to_string(x) + ", " + std::to_string(y);
    return "";
}

// The lawnmower's size, odd and even sizes, a tall animation sheet, and the
// smallest pictures.
const int kSizes[][2] = {{18, 9}, {7, 7}, {8, 6}, {16, 130}, {33, 20}, {2, 2}, {1, 1}, {1, 5}};

}  // namespace

TEST(TurnedPicture, matches_rotozoom_at_every_angle)
{
    // Whole and odd angles both ways round, the right angles, and turns so
    // small that rotozoomSurface copies instead.
    std::vector<double> angles{0.0, 0.0009, -0.0009, 0.0011, 90.0, 180.0, 270.0, 360.0};
    for (double degrees = -725.0; degrees <= 725.0; degrees += 2.9)
        angles.push_back(degrees);
    std::mt19937 random(11);
    for (const auto &size : kSizes) {
        const SurfacePtr picture = randomPicture(size[0], size[1], random);
        for (const double angle : angles) {
            const SurfacePtr expected(rotozoomSurface(picture.get(), angle, 1.0, SMOOTHING_ON));
            const SurfacePtr actual = turnPicture(picture.get(), angle);
            ASSERT_NE(actual, nullptr);
            ASSERT_EQ(difference(expected.get(), actual.get(), 0xFFFFFFFF), "")
                << size[0] << "x" << size[1] << " at " << angle << " degrees";
        }
    }
    SurfacePtr narrow(SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 16, 0xF800, 0x7E0, 0x1F, 0));
    EXPECT_EQ(turnPicture(narrow.get(), 30.0), nullptr);
}

// The desktop blits rotozoomSurface's picture with SDL; the browser turns
// the picture itself and blits in memory. The world must come out the same.
TEST(TurnedPicture, blits_onto_the_world_as_the_desktop_does)
{
    std::mt19937 random(12);
    const SurfacePtr mower = randomPicture(18, 9, random);
    for (double degrees = 0.0; degrees < 360.0; degrees += 7.3) {
        SurfacePtr desktopWorld(SDL_CreateRGBSurface(SDL_SWSURFACE, 40, 40, 32, 0xFF0000, 0xFF00, 0xFF, 0));
        SurfacePtr browserWorld(SDL_CreateRGBSurface(SDL_SWSURFACE, 40, 40, 32, 0xFF0000, 0xFF00, 0xFF, 0));
        for (int i = 0; i < 40 * 40; ++i) {
            const std::uint32_t p = static_cast<std::uint32_t>(random()) & 0xFFFFFF;
            static_cast<std::uint32_t *>(desktopWorld->pixels)[i] = p;
            static_cast<std::uint32_t *>(browserWorld->pixels)[i] = p;
        }
        SDL_Rect desktopPlace{5, 7, 0, 0};
        SDL_Rect browserPlace{5, 7, 0, 0};
        const SurfacePtr byGfx(rotozoomSurface(mower.get(), degrees, 1.0, SMOOTHING_ON));
        SDL_UpperBlit(byGfx.get(), nullptr, desktopWorld.get(), &desktopPlace);
        const SurfacePtr turned = turnPicture(mower.get(), degrees);
        blitInMemory(turned.get(), nullptr, browserWorld.get(), &browserPlace);
        ASSERT_EQ(difference(desktopWorld.get(), browserWorld.get(), 0xFFFFFF), "") << degrees << " degrees";
    }
}
