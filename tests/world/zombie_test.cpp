#include "world/zombie.h"

#include "test_world.h"
#include "world/player_controls.h"
#include "world/random.h"

#include <gtest/gtest.h>

namespace {

// A stand-in player that only records the damage it takes.
class StubPlayer : public PlayerControls {
public:
    explicit StubPlayer(Vec2 at) : at(at) {}
    void damage(float amount) override { taken += amount; }
    void setThrottle(float) override {}
    void setAimAngle(float) override {}
    void press(Direction) override {}
    void release(Direction) override {}
    Vec2 position() const override { return at; }

    Vec2 at;
    float taken = 0.0f;
};

class ZombieWorld : public ::testing::Test {
protected:
    void SetUp() override
    {
        clearZombies();
        seedRandom(3);
    }
    void TearDown() override { clearZombies(); }

    CellGrid grid{256, 256};
};

const Vec2 kNoMower(500.0f, 500.0f);

}  // namespace

TEST_F(ZombieWorld, spawn_drops_onto_ground_and_patrols_up_to_gaps_and_walls)
{
    fillGround(grid, 20, 60, 100, 100);
    fillGround(grid, 40, 40, 99, 99);
    spawnZombie(grid, 30, 50, 0.5f);
    ASSERT_EQ(zombies.size(), 1u);
    EXPECT_EQ(zombies[0]->position, Vec2(30.0f, 87.0f));
    EXPECT_FLOAT_EQ(zombies[0]->leftBound, 20.0f);
    EXPECT_FLOAT_EQ(zombies[0]->rightBound, 32.0f);

    // Nothing below, or a point off the grid: no zombie.
    spawnZombie(grid, 100, 50, 1.0f);
    fillGround(grid, 0, 0, 52, 52);
    spawnZombie(grid, 256, 50, 1.0f);
    EXPECT_EQ(zombies.size(), 1u);

    // On a one-pixel ledge both ends meet, and it turns on every step.
    fillGround(grid, 120, 120, 50, 50);
    spawnZombie(grid, 120, 10, 1.0f);
    ASSERT_EQ(zombies.size(), 2u);
    EXPECT_TRUE(zombies[1]->leftBound == 120.0f && zombies[1]->rightBound == 120.0f);
    Zombie &z = *zombies[1];
    for (int i = 0; i < 2; ++i) {
        const int before = z.dir;
        z.update();
        EXPECT_TRUE(z.position.x == 120.0f && z.dir == -before);
    }
}

TEST_F(ZombieWorld, patrols_between_its_ends_and_turns_there)
{
    Zombie z(Vec2(100.0f, 50.0f), 90.0f, 101.0f, 1.0f);
    z.setDirection(-1);
    for (int i = 0; i < 6; ++i)
        z.update();
    EXPECT_FLOAT_EQ(z.position.x, 101.0f);
    EXPECT_EQ(z.animationName(), "z_walk_left");

    // Pushed past the other end, it is put back on it and turns about.
    z.position.x = 85.0f;
    z.update();
    EXPECT_FLOAT_EQ(z.position.x, 90.0f);
    EXPECT_EQ(z.dir, -1);
}

TEST_F(ZombieWorld, lunges_after_six_steps_of_contact_and_hurts_once)
{
    Zombie z(Vec2(100.0f, 50.0f), 0.0f, 250.0f, 1.0f);
    z.setDirection(-1);
    StubPlayer player(Vec2(95.0f, 50.0f));
    z.contact(player, kNoMower);
    EXPECT_EQ(z.animationName(), "z_attack_left");
    for (int step = 1; step <= 5; ++step) {
        z.update();
        EXPECT_FALSE(z.lunging) << "step " << step;
        z.contact(player, kNoMower);
    }
    z.update();
    EXPECT_TRUE(z.lunging);
    z.contact(player, kNoMower);
    z.contact(player, kNoMower);
    EXPECT_FLOAT_EQ(player.taken, 0.05f);
}

TEST_F(ZombieWorld, no_attack_under_the_lawnmower_and_zero_health_is_alive)
{
    Zombie z(Vec2(100.0f, 50.0f), 0.0f, 250.0f, 1.0f);
    z.lunging = true;
    StubPlayer player(Vec2(110.0f, 50.0f));
    z.contact(player, Vec2(104.0f, 54.0f));
    EXPECT_FALSE(z.attacking);
    EXPECT_FLOAT_EQ(player.taken, 0.0f);

    z.damage(1.0f);
    EXPECT_FALSE(z.dead);
    z.damage(0.001f);
    EXPECT_TRUE(z.dead);
}
