// The browser's blits and conversions against SDL 1.2's own on this
// machine: the same pixels for every alpha and both colour layouts the game
// blits from, the same clipping, the same conversions.
#include "gfx/memory_blit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>

namespace {

constexpr PixelLayout kPictureLayout{0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000};  // SDL_image's RGBA
constexpr PixelLayout kScreenAlphaLayout{0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
constexpr PixelLayout kScreenLayout{0x00FF0000, 0x0000FF00, 0x000000FF, 0};

SurfacePtr sdlSurface(int w, int h, const PixelLayout &layout)
{
    return SurfacePtr(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, layout.red, layout.green, layout.blue,
                                           layout.alpha));
}

std::uint32_t &pixel(SDL_Surface *s, int x, int y)
{
    return *reinterpret_cast<std::uint32_t *>(static_cast<std::uint8_t *>(s->pixels) + y * s->pitch + x * 4);
}

void fillRandom(SDL_Surface *s, std::mt19937 &random)
{
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x)
            pixel(s, x, y) = static_cast<std::uint32_t>(random());
}

// Every alpha on every row, so each of the 256 rows blends at its own alpha.
void giveEveryAlpha(SDL_Surface *s, const PixelLayout &layout)
{
    const int shift = layout.alpha == 0xFF000000u ? 24 : 0;
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x)
            pixel(s, x, y) = (pixel(s, x, y) & ~layout.alpha) | (static_cast<std::uint32_t>(y % 256) << shift);
}

SurfacePtr copyOf(SDL_Surface *s)
{
    SurfacePtr copy = sdlSurface(s->w, s->h, layoutOf(s));
    std::memcpy(copy->pixels, s->pixels, static_cast<std::size_t>(s->h) * s->pitch);
    return copy;
}

// The colour bits of two surfaces of one layout are equal; the first
// difference otherwise.
std::string colourDifference(SDL_Surface *expected, SDL_Surface *actual)
{
    const std::uint32_t colours = expected->format->Rmask | expected->format->Gmask | expected->format->Bmask;
    for (int y = 0; y < expected->h; ++y)
        for (int x = 0; x < expected->w; ++x)
            if ((pixel(expected, x, y) & colours) != (pixel(actual, x, y) & colours))
                return "at " + std::to_string(x) + ", " + std::to_string(y) + ": SDL " +
                       std::to_string(pixel(expected, x, y) & colours) + ", ours " +
                       std::to_string(pixel(actual, x, y) & colours);
    return "";
}

}  // namespace

// Pictures as SDL_image loads them (R, G, B, A bytes), pictures in the
// screen's layout with alpha (the background), each onto the world's layout;
// a source without alpha is copied channel by channel.
TEST(MemoryBlit, blends_every_alpha_and_copies_without_alpha_as_sdl_does)
{
    std::mt19937 random(7);
    for (const PixelLayout &sourceLayout :
         {kPictureLayout, kScreenAlphaLayout, PixelLayout{0x000000FF, 0x0000FF00, 0x00FF0000, 0}}) {
        SurfacePtr source = sdlSurface(64, 256, sourceLayout);
        SurfacePtr bySdl = sdlSurface(64, 256, kScreenLayout);
        fillRandom(source.get(), random);
        if (sourceLayout.alpha != 0)
            giveEveryAlpha(source.get(), sourceLayout);
        fillRandom(bySdl.get(), random);
        SurfacePtr byUs = copyOf(bySdl.get());
        ASSERT_EQ(SDL_BlitSurface(source.get(), nullptr, bySdl.get(), nullptr), 0);
        ASSERT_EQ(blitInMemory(source.get(), nullptr, byUs.get(), nullptr), 0);
        EXPECT_EQ(colourDifference(bySdl.get(), byUs.get()), "")
            << "source masks " << sourceLayout.red << ", " << sourceLayout.alpha;
    }
}

// Parts and places over every edge: the same pixels drawn and the same
// rectangle reported as SDL_UpperBlit.
TEST(MemoryBlit, clips_as_sdl_upper_blit)
{
    struct Case {
        const char *name;
        bool withPart;
        SDL_Rect part;
        bool withPlace;
        SDL_Rect place;
    };
    const Case cases[] = {
        {"whole source at the origin", false, {}, false, {}},
        {"inside", true, {2, 3, 5, 4}, true, {6, 7, 0, 0}},
        {"over the target's left and top", true, {0, 0, 10, 10}, true, {-4, -6, 0, 0}},
        {"over the target's right and bottom", true, {1, 1, 12, 12}, true, {14, 15, 0, 0}},
        {"part left of and above the source", true, {-3, -2, 8, 8}, true, {5, 5, 0, 0}},
        {"part beyond the source", true, {9, 9, 10, 10}, true, {0, 0, 0, 0}},
        {"nothing left", true, {0, 0, 4, 4}, true, {20, 2, 0, 0}},
        {"far off", true, {0, 0, 4, 4}, true, {-30, -30, 0, 0}},
    };
    std::mt19937 random(9);
    SurfacePtr source = sdlSurface(12, 12, kPictureLayout);
    fillRandom(source.get(), random);
    giveEveryAlpha(source.get(), kPictureLayout);
    for (const Case &c : cases) {
        SurfacePtr bySdl = sdlSurface(18, 20, kScreenLayout);
        fillRandom(bySdl.get(), random);
        SurfacePtr byUs = copyOf(bySdl.get());
        SDL_Rect sdlPart = c.part;
        SDL_Rect sdlPlace = c.place;
        SDL_Rect ourPlace = c.place;
        SDL_UpperBlit(source.get(), c.withPart ? &sdlPart : nullptr, bySdl.get(), c.withPlace ? &sdlPlace : nullptr);
        blitInMemory(source.get(), c.withPart ? &c.part : nullptr, byUs.get(), c.withPlace ? &ourPlace : nullptr);
        EXPECT_EQ(colourDifference(bySdl.get(), byUs.get()), "") << c.name;
        // The place reported; its corner only matters when something was drawn.
        const bool drawn = sdlPlace.w > 0 && sdlPlace.h > 0;
        EXPECT_TRUE(!c.withPlace || (ourPlace.w == sdlPlace.w && ourPlace.h == sdlPlace.h &&
                                     (!drawn || (ourPlace.x == sdlPlace.x && ourPlace.y == sdlPlace.y))))
            << c.name;
    }
}

// Conversions between the layouts the game uses keep every colour; alpha
// becomes opaque where the source has none.
TEST(MemoryBlit, converts_layouts_as_sdl_does)
{
    std::mt19937 random(10);
    const PixelLayout layouts[] = {kPictureLayout, kScreenAlphaLayout, kScreenLayout};
    for (const PixelLayout &from : layouts) {
        for (const PixelLayout &to : layouts) {
            SurfacePtr source = sdlSurface(9, 5, from);
            fillRandom(source.get(), random);
            SurfacePtr target = sdlSurface(1, 1, to);
            SurfacePtr bySdl(SDL_ConvertSurface(source.get(), target->format, SDL_SWSURFACE));
            SurfacePtr byUs = convertSurfaceInMemory(source.get(), to);
            ASSERT_NE(byUs, nullptr);
            EXPECT_EQ(colourDifference(bySdl.get(), byUs.get()), "") << from.red << " to " << to.red;
            if (to.alpha != 0) {
                const std::uint32_t wanted = from.alpha != 0 ? (pixel(source.get(), 3, 2) >> 24) : 0xFFu;
                EXPECT_EQ(pixel(byUs.get(), 3, 2) >> 24, wanted);
            }
        }
    }
    SurfacePtr narrow(SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 16, 0xF800, 0x7E0, 0x1F, 0));
    EXPECT_EQ(convertSurfaceInMemory(narrow.get(), kScreenLayout), nullptr);
}
