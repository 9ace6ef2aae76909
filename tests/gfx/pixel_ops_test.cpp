#include "gfx/pixel_ops.h"
#include "gfx/video.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

namespace {

// A 16 x 16 32-bit surface standing in for the world surface, camera at (10, 20).
class PixelOps : public ::testing::Test {
protected:
    void SetUp() override { camera = Rect{10, 20, 16, 16}; }
    void TearDown() override { camera = Rect{}; }

    std::uint32_t at(int x, int y) const { return getPixel(surface.get(), x, y); }
    int countNonZero()
    {
        int n = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                n += at(x, y) != 0;
        SDL_FillRect(surface.get(), nullptr, 0);
        return n;
    }

    SurfacePtr surface{SDL_CreateRGBSurface(SDL_SWSURFACE, 16, 16, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000)};
};

}  // namespace

TEST(BlendColor, examples_alpha_ends_and_the_destination_top_byte)
{
    EXPECT_EQ(blendColor(0x00000000, 0x00FF0000, 125), 0x007C0000u);
    EXPECT_EQ(blendColor(0x00FF0000, 0x00000000, 125), 0x00820000u);
    EXPECT_EQ(blendColor(0x12345678, 0xABCDEF01, 255), 0xABCDEF01u);
    EXPECT_EQ(blendColor(0x12345678, 0xABCDEF01, 0), 0x12345678u);
    EXPECT_EQ(blendColor(0x00000000, 0x00FFFFFF, 254), 0x00FDFDFDu);
    // Only the low 8 bits of alpha count.
    EXPECT_EQ(blendColor(0x00000000, 0x00FF0000, 125 + 256), 0x007C0000u);
    EXPECT_EQ(blendColor(0x12000000, 0xFFFFFFFF, 200) >> 24, 0x12u);
}

// Three bytes read as the low 16 bits plus the third byte shifted by 16.
TEST(GetPixel, reads_one_two_three_and_four_bytes_per_pixel)
{
    for (const auto &[depth, expected] : {std::pair{8, 0x11u}, {16, 0x2211u}, {24, 0x332211u}, {32, 0x44332211u}}) {
        SurfacePtr s(SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 2, depth, 0, 0, 0, 0));
        ASSERT_NE(s, nullptr);
        auto *pixel = static_cast<std::uint8_t *>(s->pixels) + s->pitch + 2 * depth / 8;
        for (std::uint8_t byte : {0x11, 0x22, 0x33, 0x44})
            *pixel++ = byte;
        EXPECT_EQ(getPixel(s.get(), 2, 1), expected) << depth;
    }
}

TEST_F(PixelOps, world_pixels_clip_to_camera)
{
    putWorldPixel(surface.get(), 10 + 16, 20, 0xFFFFFFFF);  // one past the right edge
    putWorldPixel(surface.get(), 9, 20, 0xFFFFFFFF);
    putWorldPixel(surface.get(), 10, 20 + 16, 0xFFFFFFFF);
    // Far-off pixels must not wrap round onto the surface.
    putWorldPixel(surface.get(), 10 + 65536, 20, 0xFFFFFFFF);
    blendWorldPixel(surface.get(), 10, 20 - 65536, 0xFFFFFFFF);
    putWorldPixel(surface.get(), INT_MAX, INT_MIN, 0xFFFFFFFF);
    EXPECT_EQ(countNonZero(), 0);
    putWorldPixel(surface.get(), 10, 20, 0xFF123456);
    blendWorldPixel(surface.get(), 25, 35, 0xFFFF0000);
    EXPECT_EQ(at(0, 0), 0xFF123456u);
    EXPECT_EQ(at(15, 15), 0x007C0000u);
}

TEST_F(PixelOps, line_draws_start_not_end_and_respects_max)
{
    drawWorldLine(surface.get(), 10, 20, 14, 20, 0xFFFFFFFF, 5);
    EXPECT_NE(at(2, 0), 0u);
    EXPECT_EQ(countNonZero(), 3);
    drawWorldLine(surface.get(), 10, 20, 14, 20, 0xFFFFFFFF, 2);
    EXPECT_EQ(countNonZero(), 2);
    drawWorldLine(surface.get(), 12, 22, 12, 22, 0xFFFFFFFF, 10);
    EXPECT_EQ(countNonZero(), 0);
}
