#include "gfx/pixel_ops.h"
#include "gfx/scene_render.h"
#include "gfx/video.h"
#include "world/blood_cell.h"
#include "world/cell_grid.h"
#include "world/solid_cell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kRed = 0xFFFF0000;

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
            if (row[i] == '#') {
                grid.slot(cx, y) = std::make_unique<SolidCell>();
            } else if (row[i] == 'b') {
                grid.placeBlood(cx, y);
            }
        }
    }
    std::uint32_t screenAt(int x, int y) const { return getPixel(video.screen, x, y); }
    std::uint32_t worldAt(int x, int y) const { return getPixel(video.world.get(), x, y); }
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

// The overlay rule column by column, with its look-ahead of three.
std::vector<int> referenceOverlay(CellGrid &grid, int y, int firstColumn, int width, bool featherFlag)
{
    std::vector<int> overlay(260, 0);
    int run = 0;
    auto compute = [&](int m) {
        auto at = [&](int i) -> int & { return overlay[static_cast<std::size_t>(i)]; };
        at(m) = 0;
        const Cell *cell = grid.cellAt(m, y);
        if (cell == nullptr) {
            ++run;
            return;
        }
        if (cell->kind() == Blood && featherFlag && run == 1) {
            at(m) = at(m - 1) = 100;
        } else if (cell->kind() == Blood && featherFlag && run == 2) {
            at(m) = at(m - 1) = at(m - 2) = 80;
        } else {
            at(m) = cell->kind() == Blood ? 125 : 255;
        }
        run = 0;
    };
    int m = firstColumn;
    for (int i = 0; i < 3; ++i) {
        compute(m++);
    }
    std::vector<int> drawn;
    for (int n = firstColumn; n < firstColumn + width; ++n, ++m) {
        drawn.push_back(overlay[static_cast<std::size_t>(n)]);
        if (m < std::min(firstColumn + width, 256)) {
            compute(m);
        }
    }
    return drawn;
}

}  // namespace

TEST_F(SceneRender, blood_edges_feather_after_short_gaps)
{
    open(8, 8, 1);
    const std::vector<std::pair<std::string, std::vector<int>>> rows{
        {".b", {100, 100, 0}}, {"...b", {0, 0, 0, 125}}, {"#.b", {255, 100, 100}},
        {".#b", {0, 255, 125}}, {"b.b..b", {125, 100, 100, 80, 80, 80}}};
    for (std::size_t y = 0; y < rows.size(); ++y) {
        cells(0, static_cast<int>(y), rows[y].first);
    }
    render(grid, true);
    for (std::size_t y = 0; y < rows.size(); ++y) {
        EXPECT_EQ(alphas(static_cast<int>(y), static_cast<int>(rows[y].second.size())), rows[y].second) << y;
    }
    render(grid, false);
    EXPECT_EQ(alphas(4, 6), (std::vector<int>{125, 0, 125, 0, 0, 125}));
}

TEST_F(SceneRender, matches_the_column_rule_and_blend_on_mixed_rows)
{
    open(200, 40, 1);
    camera.x = 30;
    camera.y = 100;
    cells(30, 100, "bbbb..bbbb####bbbb.b..b...b#.bbbb");
    std::srand(11);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 200; ++x) {
            // Every channel value under the tint, and runs broken by gaps.
            const auto v = static_cast<std::uint32_t>(x + y) & 0xFF;
            putPixel(video.world.get(), static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                     (v << 24) | (v << 16) | ((255 - v) << 8) | (v * 7 & 0xFF));
            const int r = std::rand() % 10;
            if (y > 0 && r < 3) {
                grid.slot(30 + x, 100 + y) = std::make_unique<SolidCell>();
            } else if (y > 0 && r < 6) {
                grid.placeBlood(30 + x, 100 + y);
            }
        }
    }
    for (const bool feather : {true, false}) {
        render(grid, feather);
        for (int y = 0; y < 40; ++y) {
            const std::vector<int> overlay = referenceOverlay(grid, 100 + y, 30, 200, feather);
            for (int x = 0; x < 200; ++x) {
                const int a = overlay[static_cast<std::size_t>(x)];
                const std::uint32_t world = worldAt(x, y);
                const std::uint32_t expected = a == 0 ? world : a == 255 ? groundColor
                                               : blendColor(world, kRed, static_cast<std::uint32_t>(a));
                ASSERT_EQ(screenAt(x, y), expected) << x << "," << y << " feather " << feather;
            }
        }
    }
}

TEST_F(SceneRender, scale_four_makes_identical_blocks)
{
    open(4, 2, 4);
    for (int i = 0; i < 8; ++i) {
        putPixel(video.world.get(), static_cast<std::int16_t>(i % 4), static_cast<std::int16_t>(i / 4),
                 kBlack | static_cast<std::uint32_t>(i + 1));
    }
    cells(3, 1, "b");
    render(grid, true);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            const std::uint32_t world = worldAt(x / 4, y / 4);
            ASSERT_EQ(screenAt(x, y), x >= 12 && y >= 4 ? blendColor(world, kRed, 125) : world) << x << "," << y;
        }
    }
}

TEST_F(SceneRender, ground_hides_sprites_unless_its_colour_is_zero)
{
    open(8, 4, 2);
    camera.x = 100;
    camera.y = 50;
    putPixel(video.world.get(), 1, 2, 0xFF123456);
    cells(101, 52, "#");
    groundColor = 0xFF00FF00;
    render(grid, true);
    EXPECT_EQ(screenAt(3, 5), 0xFF00FF00u);
    groundColor = 0;
    render(grid, true);
    EXPECT_EQ(screenAt(3, 5), 0xFF123456u);
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
