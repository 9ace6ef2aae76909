#include "world/grid_player_mover.h"

#include "test_world.h"
#include "world/player.h"
#include "world/random.h"
#include "world/zombie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

class MoverWorld : public ::testing::Test {
protected:
    void SetUp() override
    {
        clearZombies();
        seedRandom(11);
        player.setMover(&mover);
    }
    void TearDown() override { clearZombies(); }

    void place(Vec2 at, Vec2 velocity, bool standing = false)
    {
        player.setPosition(at);
        player.setVelocity(velocity);
        player.setOnGround(standing);
    }

    Zombie &addZombie(Vec2 at, int dir)
    {
        zombies.push_back(std::make_unique<Zombie>(at, 0.0f, 250.0f, 1.0f));
        zombies.back()->setDirection(dir);
        return *zombies.back();
    }

    int bloodCount(int x0, int x1, int y0, int y1)
    {
        int count = 0;
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const Cell *cell = grid.cellAt(x, y);
                count += cell != nullptr && cell->kind() == Blood ? 1 : 0;
            }
        }
        return count;
    }

    CellGrid grid{256, 256};
    GridPlayerMover mover{&grid};
    Player player;
};

}  // namespace

TEST_F(MoverWorld, falls_lands_on_ground_and_keeps_standing)
{
    fillGround(grid, 0, 255, 100, 100);
    place(Vec2(50.0f, 80.0f), Vec2(0.0f, 0.0f));
    mover.move(player);
    EXPECT_FLOAT_EQ(player.velocity().y, 0.375f);
    EXPECT_FALSE(player.onGround());

    place(Vec2(50.0f, 86.0f), Vec2(0.0f, 2.0f));
    mover.move(player);
    EXPECT_EQ(player.position(), Vec2(50.0f, 87.0f));
    EXPECT_FLOAT_EQ(player.velocity().y, 0.1f);
    EXPECT_TRUE(player.onGround());

    // Standing: each step falls by a little and lands again.
    for (int i = 0; i < 3; ++i) {
        mover.move(player);
        EXPECT_EQ(player.position(), Vec2(50.0f, 87.0f));
        EXPECT_TRUE(player.onGround());
    }
}

TEST_F(MoverWorld, world_floor_and_side_limits)
{
    place(Vec2(50.0f, 238.0f), Vec2(0.0f, 5.0f));
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().y, 241.0f);
    EXPECT_FLOAT_EQ(player.velocity().y, 1.0f);
    EXPECT_TRUE(player.onGround());

    place(Vec2(3.0f, 100.0f), Vec2(-4.0f, 0.0f));
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().x, 2.0f);
    EXPECT_EQ(player.velocity().x, 0.0f);

    place(Vec2(248.0f, 100.0f), Vec2(4.0f, 0.0f));
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().x, 250.0f);
    EXPECT_EQ(player.velocity().x, 0.0f);

    place(Vec2(1.0f, 100.0f), Vec2(0.0f, 0.0f));
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().x, 2.0f);
}

TEST_F(MoverWorld, walls_stop_the_body_only_over_its_top_ten_rows)
{
    fillGround(grid, 0, 255, 100, 100);
    fillGround(grid, 56, 56, 97, 99);
    place(Vec2(50.0f, 87.0f), Vec2(4.0f, 0.0f), true);
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().x, 53.0f);

    fillGround(grid, 55, 55, 96, 99);
    place(Vec2(50.0f, 87.0f), Vec2(4.0f, 0.0f), true);
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().x, 51.0f);
    EXPECT_EQ(player.velocity().x, 0.0f);

    fillGround(grid, 47, 47, 80, 99);
    place(Vec2(50.0f, 87.0f), Vec2(-4.0f, 0.0f), true);
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().x, 48.0f);
    EXPECT_EQ(player.velocity().x, 0.0f);
}

TEST_F(MoverWorld, ceiling_and_top_of_the_world_stop_a_jump)
{
    fillGround(grid, 0, 255, 40, 40);
    place(Vec2(50.0f, 46.0f), Vec2(0.0f, -8.0f));
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().y, 41.0f);
    EXPECT_FLOAT_EQ(player.velocity().y, 0.375f);

    place(Vec2(50.0f, 3.0f), Vec2(0.0f, -7.0f));
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().y, 1.0f);
}

TEST_F(MoverWorld, walking_left_pushes_a_zombie)
{
    Zombie &z = addZombie(Vec2(40.0f, 87.0f), 1);
    place(Vec2(47.5f, 87.0f), Vec2(-2.0f, 0.0f));
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().x, 47.0f);
    EXPECT_EQ(player.velocity().x, 0.0f);
    // The push of -0.375 moved the zombie at once, and it turned to attack.
    EXPECT_FLOAT_EQ(z.position.x, 39.625f);
    EXPECT_EQ(z.dir, -1);
    EXPECT_TRUE(z.attacking);
    EXPECT_EQ(z.animationName(), "z_attack_right");
}

TEST_F(MoverWorld, walking_right_pushes_a_zombie)
{
    Zombie &z = addZombie(Vec2(55.0f, 87.0f), 1);
    place(Vec2(50.5f, 87.0f), Vec2(2.0f, 0.0f));
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().x, 51.0f);
    EXPECT_FLOAT_EQ(z.position.x, 55.375f);
    EXPECT_EQ(z.animationName(), "z_attack_left");
}

TEST_F(MoverWorld, squeezed_between_two_zombies)
{
    Zombie &h = addZombie(Vec2(48.0f, 87.0f), 1);
    Zombie &m = addZombie(Vec2(43.0f, 87.0f), -1);
    place(Vec2(50.0f, 87.0f), Vec2(-4.0f, 0.0f));
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().x, 50.0f);
    EXPECT_EQ(player.velocity().x, 0.0f);
    EXPECT_FLOAT_EQ(player.health(), 0.95f);
    EXPECT_EQ(h.animationName(), "z_attack_left");
    EXPECT_EQ(m.animationName(), "z_attack_right");
}

TEST_F(MoverWorld, carried_by_a_walking_zombie)
{
    Zombie &z = addZombie(Vec2(44.0f, 87.0f), -1);
    z.velocity.x = 0.22f;
    place(Vec2(50.0f, 87.0f), Vec2(0.0f, 0.0f));
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().x, 51.1f);
    EXPECT_FLOAT_EQ(player.velocity().x, 0.75f * 1.1f * 0.22f);
    EXPECT_FLOAT_EQ(z.position.x, 44.22f);
}

TEST_F(MoverWorld, lands_on_a_zombie_head_beyond_the_half_pixel_margin)
{
    Zombie &z = addZombie(Vec2(50.0f, 100.0f), 1);
    place(Vec2(49.0f, 87.5f), Vec2(0.0f, 2.0f));
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().y, 87.0f);
    EXPECT_FLOAT_EQ(player.velocity().y, 0.1f);
    EXPECT_TRUE(player.onGround());
    EXPECT_TRUE(z.attacking);

    // A fast fall whose new top is 0.6 above the zombie's lands on it...
    z.position.y = 91.1f;
    place(Vec2(49.0f, 80.0f), Vec2(0.0f, 14.0f));
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().y, 91.1f - 13.0f);
    EXPECT_TRUE(player.onGround());

    // ...one only 0.4 above falls on, though the zombie still feels it.
    z.attacking = false;
    z.position.y = 90.9f;
    place(Vec2(49.0f, 80.0f), Vec2(0.0f, 14.0f));
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().y, 90.5f);
    EXPECT_FALSE(player.onGround());
    EXPECT_FLOAT_EQ(player.velocity().y, 14.375f);
    EXPECT_TRUE(z.attacking);
}

TEST_F(MoverWorld, depth_counts_rows_with_more_than_two_blood_cells)
{
    fillBlood(grid, 50, 53, 100, 112);
    EXPECT_EQ(mover.measureDepth(Vec2(50.0f, 100.0f)), 13);
    EXPECT_EQ(mover.measureDepth(Vec2(50.0f, 95.0f)), 8);
    EXPECT_EQ(mover.measureDepth(Vec2(51.0f, 100.0f)), 13);
    EXPECT_EQ(mover.measureDepth(Vec2(52.0f, 100.0f)), 0);
    EXPECT_EQ(mover.measureDepth(Vec2(51.5f, 100.0f)), 13);

    // A full pool around the body: it swims.
    place(Vec2(50.0f, 100.0f), Vec2(0.0f, 0.0f));
    mover.move(player);
    EXPECT_EQ(player.depth(), 13);
    EXPECT_TRUE(player.swimming());
}

TEST_F(MoverWorld, splash_lifts_one_blood_cell_from_the_pool_below)
{
    fillBlood(grid, 40, 44, 50, 60);
    mover.spawnSplash(42, 49, Vec2(0.0f, -2.0f), true);
    EXPECT_EQ(bloodCount(40, 44, 50, 60), 55);
    mover.spawnSplash(42, 49, Vec2(0.0f, -2.0f), false);
    EXPECT_EQ(bloodCount(40, 44, 50, 60), 54);
    EXPECT_EQ(grid.cellAt(42, 50), nullptr);

    // Ground is never taken.
    fillGround(grid, 80, 90, 50, 60);
    mover.spawnSplash(85, 49, Vec2(0.0f, -2.0f), false);
    EXPECT_NE(grid.cellAt(85, 50), nullptr);
}

TEST_F(MoverWorld, pick_zombie_by_rule_with_ties_to_the_earlier)
{
    Zombie &a = addZombie(Vec2(10.0f, 50.0f), 1);
    Zombie &b = addZombie(Vec2(14.0f, 46.0f), 1);
    Zombie &c = addZombie(Vec2(14.0f, 54.0f), 1);
    addZombie(Vec2(100.0f, 50.0f), 1);
    const std::vector<Zombie *> near = zombiesNear(Vec2(10.0f, 50.0f), Vec2(20.0f, 60.0f));
    ASSERT_EQ(near.size(), 3u);

    const Vec2 tl(10.0f, 50.0f);
    const Vec2 br(20.0f, 60.0f);
    EXPECT_EQ(pickZombie(tl, br, near, ZombieRule::GreatestX), &b);
    EXPECT_EQ(pickZombie(tl, br, near, ZombieRule::SmallestX), &a);
    EXPECT_EQ(pickZombie(tl, br, near, ZombieRule::SmallestY), &b);
    EXPECT_EQ(pickZombie(tl, br, near, ZombieRule::GreatestY), &c);
    EXPECT_EQ(pickZombie(Vec2(30.0f, 50.0f), Vec2(40.0f, 60.0f), near, ZombieRule::GreatestX), nullptr);
}

TEST_F(MoverWorld, scans_find_the_first_solid_cell_in_order)
{
    fillGround(grid, 30, 30, 20, 20);
    fillGround(grid, 33, 33, 15, 15);
    const Vec2 tl(28.0f, 10.0f);
    const Vec2 br(36.0f, 25.0f);
    const CellPoint right = mover.findSolidAcross(tl, br, 1);
    EXPECT_EQ(right.x, 30);
    EXPECT_EQ(right.y, 20);
    EXPECT_EQ(mover.findSolidAcross(tl, br, -1).x, 33);
    EXPECT_FALSE(mover.findSolidAcross(tl, br, 0).found());
    EXPECT_EQ(mover.findSolidAlong(tl, br, 1).y, 15);
    EXPECT_EQ(mover.findSolidAlong(tl, br, -1).y, 20);
}

// Unclamped, column -1 of row 5 is column 15 of row 4 and column 16 of
// row 3 is column 0 of row 4: the scans must see neither.
TEST(GridPlayerMoverBounds, scans_never_wrap_round_the_grid_edges)
{
    CellGrid grid(16, 16);
    fillGround(grid, 15, 15, 4, 4);
    fillGround(grid, 0, 0, 4, 4);
    const GridPlayerMover mover(&grid);
    EXPECT_FALSE(mover.findSolidAcross(Vec2(-3.0f, 5.0f), Vec2(0.0f, 6.0f), -1).found());
    EXPECT_FALSE(mover.findSolidAcross(Vec2(16.0f, 3.0f), Vec2(20.0f, 4.0f), 1).found());
    EXPECT_FALSE(mover.findSolidAlong(Vec2(-3.0f, 5.0f), Vec2(0.0f, 6.0f), 1).found());
    EXPECT_FALSE(mover.findSolidAlong(Vec2(16.0f, 3.0f), Vec2(19.0f, 3.0f), -1).found());

    // Ranges reaching far outside still find what lies inside.
    const CellPoint across = mover.findSolidAcross(Vec2(-40.0f, -40.0f), Vec2(400.0f, 400.0f), -1);
    EXPECT_EQ(across.x, 15);
    EXPECT_EQ(across.y, 4);
    EXPECT_EQ(mover.findSolidAlong(Vec2(-40.0f, -40.0f), Vec2(400.0f, 400.0f), -1).y, 4);

    fillBlood(grid, 0, 15, 10, 15);
    EXPECT_EQ(mover.measureDepth(Vec2(-2.0f, 12.0f)), 0);
    EXPECT_EQ(mover.measureDepth(Vec2(13.0f, 12.0f)), 4);
    EXPECT_EQ(mover.measureDepth(Vec2(14.0f, 12.0f)), 0);
    EXPECT_EQ(mover.measureDepth(Vec2(0.0f, 1.0e9f)), 0);
    EXPECT_EQ(mover.measureDepth(Vec2(std::numeric_limits<float>::quiet_NaN(), 3.0f)), 0);
}

TEST_F(MoverWorld, a_player_far_outside_the_world_moves_safely)
{
    fillGround(grid, 0, 255, 250, 255);
    place(Vec2(50.0f, 300.0f), Vec2(2.0f, 1.0f));
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().y, 241.0f);

    place(Vec2(-500.0f, -500.0f), Vec2(-3.0f, -5.0f));
    mover.move(player);
    EXPECT_EQ(player.position(), Vec2(2.0f, 1.0f));

    place(Vec2(1.0e9f, 1.0e9f), Vec2(0.0f, 0.0f));
    mover.move(player);
    EXPECT_FLOAT_EQ(player.position().x, 250.0f);
    EXPECT_EQ(player.depth(), 0);
}
