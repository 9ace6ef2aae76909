#include "gfx/surface.h"
#include "gfx/video.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

namespace {

// Draws the picture over a blue surface in the screen's layout and returns it.
SurfacePtr drawnOverBlue(SDL_Surface *picture)
{
    SurfacePtr target(SDL_DisplayFormat(video.screen));
    SDL_FillRect(target.get(), nullptr, SDL_MapRGB(target->format, 0, 0, 255));
    SDL_BlitSurface(picture, nullptr, target.get(), nullptr);
    return target;
}

// Puts the video state back even when a check stops the test early.
class ScreenPicture : public ::testing::Test {
protected:
    void TearDown() override
    {
        resetVideo();
        SDL_Quit();
    }
};

}  // namespace

// The background is converted to the screen's layout when loaded; what it
// draws, see-through parts included, must not change.
TEST_F(ScreenPicture, takes_the_screen_layout_and_draws_the_same)
{
    ASSERT_TRUE(openVideo(64, 64, "picture test", 1, false));
    const std::string gem = GORLAK_SOURCE_DIR "/data/gfx/collectable.png";
    const SurfacePtr loaded = loadPicture(gem);
    const SurfacePtr converted = loadScreenPicture(gem);
    ASSERT_NE(loaded, nullptr);
    ASSERT_NE(converted, nullptr);
    EXPECT_EQ(converted->format->Rmask, video.screen->format->Rmask);
    EXPECT_EQ(converted->format->Bmask, video.screen->format->Bmask);

    const SurfacePtr expected = drawnOverBlue(loaded.get());
    const SurfacePtr actual = drawnOverBlue(converted.get());
    int clear = 0;
    for (int y = 0; y < loaded->h; ++y)
        for (int x = 0; x < loaded->w; ++x) {
            const auto *a = static_cast<const std::uint32_t *>(expected->pixels) + y * expected->pitch / 4 + x;
            const auto *b = static_cast<const std::uint32_t *>(actual->pixels) + y * actual->pitch / 4 + x;
            // Blending may round one step differently.
            for (int shift = 0; shift < 24; shift += 8)
                ASSERT_LE(std::abs(static_cast<int>((*a >> shift) & 0xFF) - static_cast<int>((*b >> shift) & 0xFF)), 1)
                    << x << ", " << y;
            clear += (*b & 0xFFFFFF) == SDL_MapRGB(actual->format, 0, 0, 255);
        }
    EXPECT_GT(clear, 0) << "the picture should have see-through pixels";
    EXPECT_EQ(loadScreenPicture("no_such_picture.png"), nullptr);
}
