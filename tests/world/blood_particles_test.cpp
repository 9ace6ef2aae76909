#include "world/blood_particles.h"

#include "test_world.h"
#include "world/random.h"

#include <gtest/gtest.h>

TEST(SplashBlood, takes_one_blood_cell_from_below_never_ground)
{
    CellGrid grid(32, 32);
    fillGround(grid, 5, 15, 11, 11);
    fillBlood(grid, 5, 15, 12, 12);
    seedRandom(5);
    spawnSplashParticle(grid, 10, 9, Vec2(0.0f, -2.0f), false);
    EXPECT_EQ(grid.bloodCellCount(), 11);
    spawnSplashParticle(grid, 10, 9, Vec2(0.0f, -2.0f), true);
    EXPECT_EQ(grid.bloodCellCount(), 10);
    for (int x = 5; x <= 15; ++x) {
        EXPECT_NE(grid.cellAt(x, 11), nullptr);
    }
}

// Blood only in the first column: a splash at the right edge must never
// reach round to it.
TEST(SplashBlood, search_never_wraps_round_the_grid_edges)
{
    for (unsigned int seed = 1; seed <= 40; ++seed) {
        CellGrid grid(32, 32);
        fillBlood(grid, 0, 0, 0, 31);
        seedRandom(seed);
        EXPECT_FALSE(takeBloodBelow(grid, 31, 5)) << "seed " << seed;
        EXPECT_EQ(grid.bloodCellCount(), 32);
    }
}
