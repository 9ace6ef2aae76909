#include "gfx/pixel_ops.h"
#include "gfx/scene_render.h"
#include "gfx/video.h"
#include "world/cell_grid.h"
#include "world/solid_cell.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::uint32_t kBlack = 0xFF000000;

// A dummy window of width x height world pixels at the given scale, a black
// world surface and an empty grid.
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
    // A row of cells from text: '.' empty, '#' ground, 'b' blood.
    void cells(int x, int y, const std::string &row)
    {
        for (std::size_t i = 0; i < row.size(); ++i) {
            const int cx = x + static_cast<int>(i);
            if (row[i] == '#')
                grid.slot(cx, y) = std::make_unique<SolidCell>();
            else if (row[i] == 'b')
                grid.placeBlood(cx, y);
        }
    }
    std::uint32_t screenAt(int x, int y) const { return getPixel(video.screen, x, y); }
    // The overlay alphas of the first screen columns of row y, read back
    // over a black world.
    std::vector<int> alphas(int y, int count) const
    {
        std::vector<int> result;
        for (int x = 0; x < count; ++x) {
            const std::uint32_t p = screenAt(x, y);
            result.push_back(p == kBlack ? 0 : p == groundColor ? 255 : p == 0xFF7C0000 ? 125
                             : p == 0xFF630000 ? 100 : p == 0xFF4F0000 ? 80 : -1);
        }
        return result;
    }

    CellGrid grid{256, 256};
};

}  // namespace

// Rows of four or more alike cells take a faster path; they must give the
// same overlay as cell by cell.
TEST_F(SceneRender, blood_edges_feather_after_short_gaps)
{
    open(8, 8, 1);
    const std::vector<std::pair<std::string, std::vector<int>>> rows{
        {".b", {100, 100, 0}}, {"...bbbb", {0, 0, 0, 125, 125, 125, 125}}, {"#.b", {255, 100, 100}},
        {".#b", {0, 255, 125}}, {"b.b..b", {125, 100, 100, 80, 80, 80}}, {"..bbbb#", {80, 80, 80, 125, 125, 125, 255}},
        {"bbbb####", {125, 125, 125, 125, 255, 255, 255, 255}}};
    for (std::size_t y = 0; y < rows.size(); ++y)
        cells(0, static_cast<int>(y), rows[y].first);
    render(grid, true);
    for (std::size_t y = 0; y < rows.size(); ++y)
        EXPECT_EQ(alphas(static_cast<int>(y), static_cast<int>(rows[y].second.size())), rows[y].second) << y;
    render(grid, false);
    EXPECT_EQ(alphas(4, 6), (std::vector<int>{125, 0, 125, 0, 0, 125}));
}

TEST_F(SceneRender, tint_keeps_the_top_byte_and_floors_each_channel_under_a_moved_camera)
{
    open(8, 2, 1);
    camera.x = 30;
    camera.y = 100;
    const std::uint32_t world[] = {0xFF123456, 0x80FF00FF, 0x00010101, 0xFFABCDEF};
    for (int x = 0; x < 8; ++x)
        putPixel(video.world.get(), static_cast<std::int16_t>(x), 1, world[x % 4]);
    cells(30, 101, "bbbb#b..");
    render(grid, true);
    EXPECT_EQ(screenAt(0, 1), 0xFF851A2Cu);
    EXPECT_EQ(screenAt(1, 1), 0x80FF0082u);
    EXPECT_EQ(screenAt(2, 1), 0x007D0000u);
    EXPECT_EQ(screenAt(3, 1), blendColor(0xFFABCDEF, 0xFFFF0000, 125));
    EXPECT_EQ(screenAt(4, 1), groundColor);
    EXPECT_EQ(screenAt(6, 1), 0x00010101u);
    EXPECT_EQ(screenAt(0, 0), kBlack);
}

// Every world pixel, overlaid, fills a block of pixel size by pixel size;
// ground hides what is under it unless its colour is 0.
TEST_F(SceneRender, world_pixels_become_blocks_of_3_and_4_under_a_moved_camera)
{
    cells(100, 51, "#.b...");
    const int alpha[2][6] = {{0, 0, 0, 0, 0, 0}, {255, 100, 100, 0, 0, 0}};
    for (const auto &[scale, ground] : {std::pair{3, 0xFF00FF00u}, {4, 0u}}) {
        open(6, 2, scale);
        camera.x = 100;
        camera.y = 50;
        groundColor = ground;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 6; ++x)
                putPixel(video.world.get(), static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                         0xFF102030u + static_cast<std::uint32_t>(0x110000 * x + 0x11 * y));
        render(grid, true);
        for (int sy = 0; sy < 2 * scale; ++sy)
            for (int sx = 0; sx < 6 * scale; ++sx) {
                const std::uint32_t world = getPixel(video.world.get(), sx / scale, sy / scale);
                const int a = alpha[sy / scale][sx / scale];
                const std::uint32_t expected = a == 0     ? world
                                               : a == 255 ? (ground != 0 ? ground : world)
                                                          : blendColor(world, 0xFFFF0000, a);
                ASSERT_EQ(screenAt(sx, sy), expected) << "scale " << scale << " at " << sx << "," << sy;
            }
    }
}

TEST_F(SceneRender, narrow_view_at_right_edge_stays_in_table)
{
    open(1, 2, 2);
    camera.x = 255;
    cells(255, 0, "b");
    cells(0, 1, "#");  // the look-ahead reaches (256, 0), the slot of (0, 1)
    render(grid, true);
    EXPECT_EQ(screenAt(1, 1), 0xFF7C0000u);
    EXPECT_EQ(screenAt(0, 2), kBlack);
}
