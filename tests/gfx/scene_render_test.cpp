#include "gfx/pixel_ops.h"
#include "gfx/scene_render.h"
#include "gfx/video.h"
#include "world/blood_cell.h"
#include "world/cell_grid.h"
#include "world/solid_cell.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kBlack = 0xFF000000;

// A dummy window of width x height world pixels at the given scale, a black
// world surface and an empty 256 x 256 grid.
class SceneRender : public ::testing::Test {
protected:
    void open(int width, int height, int scale)
    {
        ASSERT_TRUE(openVideo(width, height, "render test", scale, false));
        SDL_FillRect(video.world.get(), nullptr, kBlack);
    }
    void TearDown() override
    {
        resetVideo();
        resetSceneRender();
        SDL_Quit();
    }

    // Lays out a row of cells from text: '.' empty, '#' ground, 'b' blood.
    void cells(int x, int y, const std::string &row)
    {
        for (std::size_t i = 0; i < row.size(); ++i) {
            const int cx = x + static_cast<int>(i);
            if (row[i] == '#') {
                grid.slot(cx, y) = std::make_unique<SolidCell>();
            } else if (row[i] == 'b') {
                grid.slot(cx, y) = std::make_unique<BloodCell>(&grid, cx, y);
            }
        }
    }
    std::uint32_t screenAt(int x, int y) const { return getPixel(video.screen, x, y); }
    // The overlay each screen column shows over black, as an alpha.
    std::vector<int> alphas(int y, int count) const
    {
        std::vector<int> result;
        for (int x = 0; x < count; ++x) {
            const std::uint32_t pixel = screenAt(x, y);
            result.push_back(pixel == kBlack ? 0 : pixel == groundColor ? 255
                             : pixel == 0xFF7C0000 ? 125 : pixel == 0xFF630000 ? 100
                             : pixel == 0xFF4F0000 ? 80 : -1);
        }
        return result;
    }

    CellGrid grid{256, 256};
};

}  // namespace

TEST_F(SceneRender, blood_edges_feather_after_short_gaps)
{
    open(8, 8, 1);
    cells(0, 0, ".b");
    cells(0, 1, "..b");
    cells(0, 2, "...b");
    cells(0, 3, "#.b");
    cells(0, 4, ".#b");
    cells(0, 5, "bb");
    cells(0, 6, "b.b..b");
    render(grid, true);
    EXPECT_EQ(alphas(0, 4), (std::vector<int>{100, 100, 0, 0}));
    EXPECT_EQ(alphas(1, 4), (std::vector<int>{80, 80, 80, 0}));
    EXPECT_EQ(alphas(2, 4), (std::vector<int>{0, 0, 0, 125}));
    EXPECT_EQ(alphas(3, 3), (std::vector<int>{255, 100, 100}));
    EXPECT_EQ(alphas(4, 3), (std::vector<int>{0, 255, 125}));
    EXPECT_EQ(alphas(5, 3), (std::vector<int>{125, 125, 0}));
    EXPECT_EQ(alphas(6, 7), (std::vector<int>{125, 100, 100, 80, 80, 80, 0}));

    render(grid, false);
    EXPECT_EQ(alphas(0, 2), (std::vector<int>{0, 125}));
    EXPECT_EQ(alphas(1, 3), (std::vector<int>{0, 0, 125}));
    EXPECT_EQ(alphas(3, 3), (std::vector<int>{255, 0, 125}));
}

TEST_F(SceneRender, scale_four_makes_identical_blocks)
{
    open(4, 2, 4);
    auto *world = video.world.get();
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            putPixel(world, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                     0xFF000000u | static_cast<std::uint32_t>(y * 16 + x + 1));
        }
    }
    cells(2, 1, "#b");
    render(grid, true);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            std::uint32_t expected = 0xFF000000u | static_cast<std::uint32_t>((y / 4) * 16 + x / 4 + 1);
            if (y / 4 == 1 && x / 4 == 2) {
                expected = groundColor;
            } else if (y / 4 == 1 && x / 4 == 3) {
                expected = blendColor(expected, 0xFFFF0000, 125);
            }
            ASSERT_EQ(screenAt(x, y), expected) << x << "," << y;
        }
    }
}

TEST_F(SceneRender, follows_the_camera_and_ground_colour)
{
    open(8, 4, 2);
    camera.x = 100;
    camera.y = 50;
    putPixel(video.world.get(), 1, 2, 0xFF123456);  // a sprite under the ground
    putPixel(video.world.get(), 2, 2, 0xFF123456);
    cells(101, 52, "#");
    cells(102, 53, "b");
    groundColor = 0xFF00FF00;
    render(grid, true);
    EXPECT_EQ(screenAt(2, 4), 0xFF00FF00u);
    EXPECT_EQ(screenAt(4, 4), 0xFF123456u);
    // The row starts at the camera: two empty cells before the blood.
    EXPECT_EQ(screenAt(5, 7), 0xFF4F0000u);
    EXPECT_EQ(screenAt(0, 6), 0xFF4F0000u);
    // Ground colour 0 lets the world surface show through the ground.
    groundColor = 0;
    render(grid, true);
    EXPECT_EQ(screenAt(3, 5), 0xFF123456u);
}

TEST_F(SceneRender, narrow_view_at_right_edge_stays_in_table)
{
    open(1, 2, 2);
    camera.x = 255;
    cells(255, 0, "b");
    cells(0, 1, "#");  // (256, 0) is the same slot as (0, 1)
    render(grid, true);
    EXPECT_EQ(screenAt(1, 1), 0xFF7C0000u);
    EXPECT_EQ(screenAt(0, 2), kBlack);
}

TEST_F(SceneRender, background_copies_the_part_under_the_camera)
{
    open(4, 4, 1);
    video.background.reset(SDL_CreateRGBSurface(SDL_SWSURFACE, 16, 16, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000));
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            putPixel(video.background.get(), static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                     0xFF000000u | static_cast<std::uint32_t>(y * 16 + x));
        }
    }
    SDL_SetAlpha(video.background.get(), 0, 255);
    camera.x = 5;
    camera.y = 7;
    drawBackground();
    EXPECT_EQ(getPixel(video.world.get(), 0, 0) & 0xFFFFFF, 7u * 16 + 5);
    EXPECT_EQ(getPixel(video.world.get(), 3, 3) & 0xFFFFFF, 10u * 16 + 8);
}

TEST_F(SceneRender, tint_matches_blend_for_every_channel_value)
{
    // Rows tinted all along at 125, 100 and 80: solid blood, then drops after
    // one and after two empty cells (the gaps take the drop's alpha).
    open(256, 3, 1);
    std::string oneGap;
    std::string twoGaps;
    for (int x = 0; x < 256; ++x) {
        oneGap += x % 2 == 1 ? 'b' : '.';
        twoGaps += x % 3 == 2 ? 'b' : '.';
    }
    cells(0, 0, std::string(256, 'b'));
    cells(0, 1, oneGap);
    cells(0, 2, twoGaps);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 256; ++x) {
            const auto v = static_cast<std::uint32_t>(x);
            putPixel(video.world.get(), static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                     (static_cast<std::uint32_t>(y) << 24) | (v << 16) | ((255 - v) << 8) | (v * 7 & 0xFF));
        }
    }
    render(grid, true);
    const std::uint32_t alphas[3] = {125, 100, 80};
    for (int y = 0; y < 3; ++y) {
        // The last column of the two-gap row is an empty cell after a drop.
        const int columns = y == 2 ? 255 : 256;
        for (int x = 0; x < columns; ++x) {
            const std::uint32_t world = getPixel(video.world.get(), x, y);
            ASSERT_EQ(screenAt(x, y), blendColor(world, 0xFFFF0000, alphas[y])) << x << "," << y;
        }
    }
}
