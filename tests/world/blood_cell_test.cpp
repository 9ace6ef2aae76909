#include "world/blood_cell.h"
#include "world/cell_grid.h"
#include "world/grid_simulation.h"
#include "world/random.h"
#include "world/solid_cell.h"

#include <gtest/gtest.h>

namespace {

// A hand-built world; each update runs in a step of its own.
class BloodRules : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGridSimulation();
        seedIntegerGenerator(7);
    }
    void TearDown() override { resetGridSimulation(); }

    BloodCell *blood(int x, int y)
    {
        grid.placeBlood(x, y);
        return static_cast<BloodCell *>(grid.cellAt(x, y));
    }
    void ground(int x, int y) { grid.slot(x, y) = std::make_unique<SolidCell>(); }
    void tick(BloodCell *cell, bool force = false)
    {
        ++gridSimulation.simulationStep;
        cell->update(force);
    }

    CellGrid grid{200, 200};
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

TEST(BloodFall, extra_moves_never_reach_the_edge_columns)
{
    // Only the middle column is interior: a fast fall must neither step onto
    // an edge column nor wrap from there into the next row.
    for (unsigned seed = 1; seed <= 20; ++seed) {
        resetGridSimulation();
        seedIntegerGenerator(seed);
        CellGrid grid(3, 300);
        grid.placeBlood(1, 1);
        auto *cell = static_cast<BloodCell *>(grid.cellAt(1, 1));
        grid.slot(0, 298) = std::make_unique<SolidCell>();
        for (int step = 0; step < 60; ++step) {
            ++gridSimulation.simulationStep;
            cell->update(false);
            ASSERT_EQ(cell->x(), 1) << "seed " << seed;
            ASSERT_EQ(grid.cellAt(1, cell->y()), cell);
        }
        EXPECT_EQ(grid.cellAt(0, 298)->kind(), Solid);
    }
    resetGridSimulation();
}
