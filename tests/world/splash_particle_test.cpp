#include "world/blood_particles.h"

#include "test_world.h"
#include "world/random.h"

#include <gtest/gtest.h>

// Blood only in the first column: a splash at the right edge must never
// reach round to it through the next row.
TEST(SplashBlood, search_never_wraps_round_the_grid_edges)
{
    for (unsigned int seed = 1; seed <= 40; ++seed) {
        CellGrid grid(32, 32);
        fillBlood(grid, 0, 0, 0, 31);
        seedRandom(seed);
        spawnSplashParticle(grid, 31, 5, Vec2(0.0f, -2.0f), true);
        ASSERT_FALSE(particles.empty());
        EXPECT_FALSE(particles.back()->makesBlood) << "seed " << seed;
        EXPECT_EQ(grid.bloodCellCount(), 32);
        clearParticles();
    }
}
