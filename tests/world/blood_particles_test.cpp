#include "world/blood_particles.h"

#include "test_world.h"
#include "world/random.h"

#include <gtest/gtest.h>

TEST(SplashBlood, takes_the_nearest_blood_below_and_nothing_else)
{
    CellGrid grid(32, 32);
    fillBlood(grid, 5, 15, 12, 12);
    fillGround(grid, 5, 15, 11, 11);
    seedRandom(5);
    EXPECT_TRUE(takeBloodBelow(grid, 10, 9));
    int left = 0;
    for (int x = 5; x <= 15; ++x) {
        left += grid.cellAt(x, 12) != nullptr ? 1 : 0;
        EXPECT_NE(grid.cellAt(x, 11), nullptr);
    }
    EXPECT_EQ(left, 10);

    // Six rows down is beyond the search.
    fillBlood(grid, 0, 31, 16, 16);
    EXPECT_FALSE(takeBloodBelow(grid, 20, 10));
}

// Blood only in the first column: a splash at the right edge must never
// reach round to it, nor one at the left edge lift it from outside.
TEST(SplashBlood, search_never_wraps_round_the_grid_edges)
{
    for (unsigned int seed = 1; seed <= 40; ++seed) {
        CellGrid grid(32, 32);
        fillBlood(grid, 0, 0, 0, 31);
        seedRandom(seed);
        takeBloodBelow(grid, 31, 5);
        spawnSplashParticle(grid, 31, 20, Vec2(0.0f, -2.0f), true);
        for (int y = 0; y < 32; ++y) {
            ASSERT_NE(grid.cellAt(0, y), nullptr) << "seed " << seed << " row " << y;
        }
    }
}
