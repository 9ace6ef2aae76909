#include "support/temp_path.h"
#include "world/blood_cell.h"
#include "world/cell_grid.h"
#include "world/cell_pool.h"
#include "world/grid_simulation.h"
#include "world/random.h"
#include "world/solid_cell.h"
#include "world/world_state.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Points = std::vector<std::pair<int, int>>;

// A hand-built world of a given size; tick() runs one cell's update in a
// step of its own.
template <int Width, int Height>
class GridWorld : public ::testing::Test {
protected:
    void SetUp() override
    {
        world.gridSimulation = GridSimulation{};
        seedIntegerGenerator(7);
    }
    void TearDown() override
    {
        world.gridSimulation = GridSimulation{};
        resetRandom();  // the generators back to their program-start state
    }

    BloodCell *blood(int x, int y)
    {
        grid.placeBlood(x, y);
        return static_cast<BloodCell *>(grid.cellAt(x, y));
    }
    void ground(int x, int y) { grid.slot(x, y) = std::make_unique<SolidCell>(); }
    void groundRow(int y, int from, int to)
    {
        for (int x = from; x <= to; ++x)
            ground(x, y);
    }
    void tick(BloodCell *cell, bool force = false)
    {
        ++world.gridSimulation.simulationStep;
        cell->update(force);
    }

    CellGrid grid{Width, Height};
};

using BloodRules = GridWorld<200, 200>;
using GridSteps = GridWorld<16, 16>;
using BloodFall = GridWorld<3, 300>;

// Building a level picture sets the world's start and door.
class LevelBuild : public ::testing::Test {
protected:
    void SetUp() override { world.reset(); }
    void TearDown() override { world.reset(); }
};

// Records what a level picture hands out, and whether ground was already
// built under each zombie at that moment.
struct Recorder : LevelPictureListener {
    void zombieSpawn(CellGrid &grid, int x, int y) override
    {
        const Cell *below = grid.cellAt(x, y + 1);
        zombies.emplace_back(x, below != nullptr && below->kind() == Solid ? y : -1);
    }
    void collectable(int x, int y) override { collectables.emplace_back(x, y); }

    Points zombies;  // y is -1 where no ground was built below yet
    Points collectables;
};

// A cell that notes each update it gets: column, row and whether forced.
using Visits = std::vector<std::tuple<int, int, bool>>;
struct VisitedCell : Cell {
    VisitedCell(Visits &log, int column, int row) : visits(log), x(column), y(row) {}
    int kind() const override { return Blood; }
    void update(bool force) override { visits.emplace_back(x, y, force); }
    Visits &visits;
    int x;
    int y;
};

}  // namespace

TEST_F(BloodRules, fall_accelerates_on_schedule)
{
    BloodCell *cell = blood(100, 1);
    for (int step = 1; step <= 41; ++step) {
        const int before = cell->y();
        tick(cell);
        const int expected = step <= 8 ? 1 : step <= 24 ? 2 : step <= 40 ? 3 : 4;
        ASSERT_EQ(cell->y() - before, expected) << "step " << step;
        ASSERT_EQ(grid.cellAt(cell->x(), cell->y()), cell);
    }
}

TEST_F(BloodRules, slides_down_right_before_down_left_then_flows_from_an_occupied_side)
{
    BloodCell *cell = blood(10, 10);
    ground(10, 11);
    tick(cell);
    EXPECT_EQ(cell->x(), 11);
    ground(11, 12);
    ground(12, 12);
    tick(cell);
    EXPECT_TRUE(cell->x() == 10 && cell->y() == 12);

    // Boxed in below, a wall that follows it pushes it on 9 steps of every 10.
    for (int x = 1; x < 199; ++x)
        ground(x, 31);
    BloodCell *flow = blood(10, 30);
    int moves = 0;
    for (int step = 0; step < 100; ++step) {
        ground(flow->x() - 1, 30);
        const int before = flow->x();
        tick(flow);
        moves += flow->x() != before;
    }
    EXPECT_NEAR(moves, 90, 1);
}

TEST_F(BloodRules, edge_cells_never_move)
{
    const int edges[][2] = {{0, 50}, {199, 50}, {60, 0}, {70, 199}};
    for (const auto &at : edges) {
        BloodCell *cell = blood(at[0], at[1]);
        for (int step = 0; step < 5; ++step)
            tick(cell, true);
        EXPECT_EQ(grid.cellAt(at[0], at[1]), cell);
    }
}

// Only the middle column is interior: a fast fall must neither step onto
// an edge column nor wrap from there into the next row.
TEST_F(BloodFall, extra_moves_never_reach_the_edge_columns)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        world.gridSimulation = GridSimulation{};
        seedIntegerGenerator(seed);
        grid.clear();
        BloodCell *cell = blood(1, 1);
        ground(0, 298);
        for (int step = 0; step < 60; ++step) {
            tick(cell);
            ASSERT_EQ(cell->x(), 1) << "seed " << seed;
            ASSERT_EQ(grid.cellAt(1, cell->y()), cell);
        }
        EXPECT_EQ(grid.cellAt(0, 298)->kind(), Solid);
    }
}

TEST_F(GridSteps, nothing_moves_before_the_first_full_sweep)
{
    BloodCell *cell = blood(8, 2);
    for (int step = 1; step <= 10; ++step)
        grid.step(0);
    EXPECT_EQ(cell->y(), 2);
    grid.step(0);  // the 11th step sweeps everything
    grid.step(0);  // from now on its own moves keep it in the dirty box
    EXPECT_EQ(cell->y(), 4);
}

TEST_F(GridSteps, sweeps_visit_their_rows_in_order)
{
    Visits visits;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            grid.slot(x, y) = std::make_unique<VisitedCell>(visits, x, y);
    // A dirty sweep: inside the box only, bottom-up, each row right to left.
    world.gridSimulation.dirtyRect = DirtyRect{2, 3, 5, 6};
    grid.step(0);
    Visits expected;
    for (int y = 6; y >= 3; --y)
        for (int x = 5; x >= 2; --x)
            expected.emplace_back(x, y, false);
    EXPECT_EQ(visits, expected);

    // A full sweep, forced, from the start row up to row 1; each row draws
    // rand() % 2 once: odd runs left to right, even right to left and
    // leaves out column 0.
    seedIntegerGenerator(3);
    expected.clear();
    for (int y = 15; y >= 1; --y) {
        const bool rightward = nextRandomInteger() % 2 != 0;
        for (int i = 0; i < (rightward ? 16 : 15); ++i)
            expected.emplace_back(rightward ? i : 15 - i, y, true);
    }
    const int nextDraw = nextRandomInteger();
    seedIntegerGenerator(3);
    visits.clear();
    world.gridSimulation.sweepCounter = 10;
    grid.step(0);
    EXPECT_EQ(visits, expected);
    EXPECT_EQ(nextRandomInteger(), nextDraw);
}

TEST_F(GridSteps, full_sweeps_rest_and_wake_sleepers)
{
    groundRow(15, 0, 15);
    groundRow(14, 7, 7);
    groundRow(14, 9, 9);
    BloodCell *cell = blood(8, 14);
    world.gridSimulation.sweepCounter = 10;
    int steps = 0;
    for (; !cell->asleep() && steps < 1000; ++steps)
        grid.step(0);
    EXPECT_EQ(steps, 11 * 52 + 1) << "boxed in, it rests once per full sweep and sleeps after 51 rests";
    grid.removeCell(8, 15);
    world.gridSimulation.dirtyRect.include(8, 14);
    while (world.gridSimulation.sweepCounter < 10) {
        grid.step(0);
        ASSERT_EQ(cell->y(), 14) << "dirty sweeps skip the sleeper";
    }
    grid.step(0);
    EXPECT_EQ(cell->y(), 15);
    EXPECT_FALSE(cell->asleep());
}

TEST_F(GridSteps, full_sweeps_start_at_the_top_of_the_full_rows)
{
    for (int y = 12; y <= 15; ++y)
        groundRow(y, 0, y == 12 ? 10 : 15);
    BloodCell *above = blood(3, 5);
    world.gridSimulation.sweepCounter = 10;
    grid.step(0);
    EXPECT_EQ(world.gridSimulation.fullRowMark, 13);
    EXPECT_EQ(above->y(), 6);
    // The mark follows the block up; rows below it are left to the dirty sweeps.
    groundRow(12, 11, 15);
    grid.removeCell(5, 14);
    grid.removeCell(5, 15);
    BloodCell *below = blood(5, 14);
    world.gridSimulation.sweepCounter = 10;
    grid.step(0);
    EXPECT_EQ(world.gridSimulation.fullRowMark, 12);
    EXPECT_EQ(below->y(), 14);
}

TEST(CellGrid, slots_clamp_and_stay_inside_the_store)
{
    CellGrid grid(16, 8);
    EXPECT_EQ(&grid.slot(-5, -5), &grid.slot(0, 0));
    EXPECT_EQ(&grid.slot(16, 3), &grid.slot(0, 4));
    EXPECT_EQ(&grid.rawSlot(1 << 30, 1 << 30), &grid.slot(16, 8));

    grid.slot(2, 2) = std::make_unique<SolidCell>();
    grid.placeBlood(2, 2);
    EXPECT_EQ(grid.cellAt(2, 2)->kind(), Solid);
    grid.placeBlood(-40, 100);  // clamped into the spare row
    EXPECT_EQ(static_cast<BloodCell *>(grid.cellAt(0, 8))->x(), 0);
    EXPECT_EQ(grid.bloodCellCount(), 1);
    grid.clear();
    EXPECT_EQ(grid.bloodCellCount(), 0);
}

TEST_F(LevelBuild, builds_bottom_up_with_markers_anywhere)
{
    // A picture larger than the grid, black but for these pixels.
    const std::vector<std::pair<std::pair<int, int>, std::uint32_t>> pixels{
        {{10, 20}, 0xFFFFFF}, {{11, 20}, 0xFF0000}, {{12, 20}, 0x123456}, {{10, 19}, 0x00FF00},
        {{50, 30}, 0x00FFFF}, {{260, 10}, 0xFFFFFF}, {{10, 260}, 0xFF0000}, {{280, 270}, 0x0000FF}, {{290, 5}, 0xFF00FF}};
    SDL_Surface *picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 300, 280, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    for (const auto &[at, color] : pixels)
        static_cast<std::uint32_t *>(picture->pixels)[at.second * picture->pitch / 4 + at.first] = color;
    const std::string path = tempPath("gorlak_grid_build.bmp").string();
    SDL_SaveBMP(picture, path.c_str());
    SDL_FreeSurface(picture);

    CellGrid grid(256, 256);
    Recorder recorder;
    ASSERT_TRUE(grid.buildFromImage(path, &recorder));
    std::filesystem::remove(path);
    EXPECT_EQ(grid.cellAt(10, 20)->kind(), Solid);
    EXPECT_EQ(grid.cellAt(12, 20), nullptr);
    EXPECT_EQ(grid.cellAt(0, 11), nullptr) << "nothing is built outside the grid";
    EXPECT_EQ(grid.bloodCellCount(), 1);
    EXPECT_EQ(recorder.zombies, (Points{{10, 19}}));
    EXPECT_EQ(recorder.collectables, (Points{{50, 30}}));
    EXPECT_TRUE(world.playerStart.x == 280 && world.playerStart.y == 257);
    EXPECT_TRUE(world.doorRect.x == 290 && world.doorRect.y == 5);

    testing::internal::CaptureStderr();
    EXPECT_FALSE(grid.buildFromImage("no/such/level.png"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no/such/level.png"), std::string::npos);
}

TEST(CellPool, reuses_blocks_and_overflows_to_the_heap)
{
    CellPool pool(sizeof(SolidCell), 2);
    void *first = pool.allocate(sizeof(SolidCell));
    void *second = pool.allocate(sizeof(SolidCell));
    void *third = pool.allocate(sizeof(SolidCell));
    const bool pooled = pool.owns(first);  // sanitizer builds take every cell from the heap
    EXPECT_FALSE(pool.owns(third)) << "a full pool falls back to the heap";
    pool.release(third);
    pool.release(second);
    void *again = pool.allocate(sizeof(SolidCell));
    EXPECT_TRUE(!pooled || again == second);
    pool.release(first);
    pool.release(again);
}
