#include "core/zombie_strikes.h"
#include "world/player.h"

#include "play_world.h"

#include <cmath>

namespace {

// Camera at (50, 50): the active window is x in [36, 121), y in [37, 99).
// The player stands at (80, 70) aiming right: the hand is at (88.5, 76.5).
class ZombieStrikes : public PlayWorld {
protected:
    void SetUp() override
    {
        PlayWorld::SetUp();
        camera = Rect{50, 50, 64, 48};
        player.setPosition(Vec2(80.0f, 70.0f));
        player.setAimAngle(0.0f);
    }
    Zombie &addZombie(Vec2 position)
    {
        zombies.push_back(std::make_unique<Zombie>(position, 0.0f, 250.0f, 1.0f));
        return *zombies.back();
    }
    Zombie &zombieOnHand() { return addZombie(Vec2(85.5f, 73.2f)); }

    Player player;
};

}  // namespace

TEST_F(ZombieStrikes, strike_counts_damage_drawing_and_death_follow_the_throttle)
{
    const auto wetParticles = [] {
        int n = 0;
        for (const auto &particle : particles)
            n += particle->makesBlood;
        return n;
    };
    Zombie &zombie = zombieOnHand();
    player.setThrottle(1.0f);
    updateZombies(player, *grid);
    EXPECT_EQ(particles.size(), 60u);
    EXPECT_EQ(wetParticles(), 20);
    EXPECT_EQ(particles.back()->position, Vec2(88.0f, 76.0f));
    EXPECT_NEAR(zombie.health, 1.0f - 0.033f, 1e-6f);
    EXPECT_EQ(zombie.shakeCount, 1);
    EXPECT_EQ(zombie.sprite()->bounds().y, 74);  // drawn one row lower

    clearParticles();
    player.setThrottle(0.001f);
    updateZombies(player, *grid);
    EXPECT_EQ(particles.size(), 2u);
    EXPECT_EQ(wetParticles(), 2);
    EXPECT_NEAR(zombie.health, 1.0f - 0.033f - 0.001032f, 1e-6f);

    // A killing strike still sprays; the zombie goes in the same frame.
    clearParticles();
    zombie.health = 0.0005f;
    updateZombies(player, *grid);
    EXPECT_TRUE(zombies.empty());
    EXPECT_EQ(particles.size(), 2u);
}

TEST_F(ZombieStrikes, outside_the_window_left_alone_inside_removed_by_moving_the_last)
{
    for (const auto &[p, inside] : {std::pair{Vec2(35.9f, 60.0f), false}, {Vec2(121.0f, 60.0f), false},
                                    {Vec2(60.0f, 36.9f), false}, {Vec2(60.0f, 99.0f), false},
                                    {Vec2(36.0f, 60.0f), true}, {Vec2(120.9f, 60.0f), true},
                                    {Vec2(60.0f, 37.0f), true}, {Vec2(60.0f, 98.9f), true}}) {
        Zombie &idle = addZombie(p);
        addZombie(p).dead = true;
        updateZombies(player, *grid);
        // Inside, the dead one goes.
        EXPECT_EQ(zombies.size(), inside ? 1u : 2u) << p.x << "," << p.y;
        if (!inside) {
            EXPECT_EQ(idle.velocity.x, 0.0f) << p.x << "," << p.y;
        }
        clearZombies();
    }

    // A dead zombie on the hand is removed without a strike; the last zombie
    // moves into its slot and is stepped once, in this frame.
    player.setThrottle(1.0f);
    zombieOnHand().dead = true;
    Zombie &second = addZombie(Vec2(70.0f, 60.0f));
    Zombie &last = addZombie(Vec2(60.0f, 60.0f));
    updateZombies(player, *grid);
    EXPECT_TRUE(particles.empty());
    ASSERT_EQ(zombies.size(), 2u);
    EXPECT_TRUE(zombies[0].get() == &last && zombies[1].get() == &second);
    EXPECT_NEAR(std::fabs(last.velocity.x), 0.07f, 1e-6f);  // 0.1 walk less 0.03 friction
}
