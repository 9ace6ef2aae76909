#include "core/zombie_strikes.h"
#include "gfx/sprite.h"
#include "world/player.h"

#include "play_world.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// Zombies in a camera at (50, 50): the active window is x in [36, 121) and
// y in [37, 99). The player stands at (80, 70) aiming right, so the hand is
// at (88.5, 76.5).
class ZombieStrikes : public PlayWorld {
protected:
    void SetUp() override
    {
        PlayWorld::SetUp();
        camera = Rect{50, 50, 64, 48};
        player.setPosition(Vec2(80.0f, 70.0f));
        player.setAimAngle(0.0f);
    }

    Zombie &addZombie(Vec2 position, float health = 1.0f)
    {
        zombies.push_back(std::make_unique<Zombie>(position, 0.0f, 250.0f, health));
        return *zombies.back();
    }
    // A zombie whose head is on the hand.
    Zombie &zombieOnHand(float health = 1.0f) { return addZombie(Vec2(85.5f, 73.2f), health); }

    int countParticles(bool wet) const
    {
        int n = 0;
        for (const auto &particle : particles)
            n += particle->makesBlood == wet;
        return n;
    }

    Player player;
};

float wrapAngle(float a)
{
    while (a > 3.14159265f)
        a -= 6.2831853f;
    while (a < -3.14159265f)
        a += 6.2831853f;
    return a;
}

// The turn of each particle's direction from the previous one's (the first
// from the spray's base direction), and each speed.
struct SprayShape {
    std::vector<float> turns;
    std::vector<float> speeds;
};

SprayShape shapeOf(Vec2 baseDirection)
{
    SprayShape shape;
    float previous = baseDirection.angle();
    for (const auto &particle : particles) {
        const float a = particle->velocity.angle();
        shape.turns.push_back(wrapAngle(a - previous));
        shape.speeds.push_back(particle->velocity.length());
        previous = a;
    }
    return shape;
}

}  // namespace

TEST_F(ZombieStrikes, strike_counts_damage_and_drawing_follow_the_throttle)
{
    Zombie &zombie = zombieOnHand();
    player.setThrottle(1.0f);
    updateZombies(player, *grid);
    EXPECT_EQ(countParticles(true), 20);
    EXPECT_EQ(countParticles(false), 40);
    EXPECT_NEAR(zombie.health, 1.0f - 0.033f, 1e-6f);
    EXPECT_EQ(zombie.shakeCount, 1);
    for (const auto &particle : particles)
        EXPECT_EQ(particle->position, Vec2(88.0f, 76.0f));
    // Drawn one row lower than its position.
    EXPECT_EQ(zombie.sprite()->bounds().x, static_cast<int>(zombie.position.x));
    EXPECT_EQ(zombie.sprite()->bounds().y, 74);

    clearParticles();
    player.setThrottle(0.001f);
    updateZombies(player, *grid);
    EXPECT_EQ(countParticles(true), 2);
    EXPECT_EQ(countParticles(false), 0);
    EXPECT_NEAR(zombie.health, 1.0f - 0.033f - 0.001032f, 1e-6f);
}

TEST_F(ZombieStrikes, spray_turns_wild_exactly_when_rand_modulus_gives_three)
{
    const Vec2 hand(128.0f, 100.0f);
    const Vec2 playerPosition(120.0f, 90.0f);
    const Vec2 baseDirection = (hand - Vec2(120.0f, 103.0f)).normalized();
    struct Case {
        float throttle;
        int wet;
        int dry;
        int modulus;
        float baseSpeed;
    };
    for (const Case c : {Case{1.0f, 20, 40, 27, 5.0f}, Case{0.001f, 2, 0, 7, 3.002f}}) {
        int wildSeen = 0;
        for (unsigned seed = 1; seed <= 60; ++seed) {
            seedRandom(seed);
            std::vector<bool> wild;
            for (int i = 0; i < c.wet; ++i)
                wild.push_back(std::rand() % c.modulus == 3);

            seedRandom(seed);
            clearParticles();
            sprayStrike(*grid, hand, playerPosition, c.throttle);
            ASSERT_EQ(particles.size(), static_cast<std::size_t>(c.wet + c.dry));
            const SprayShape shape = shapeOf(baseDirection);
            for (int i = 0; i < c.wet + c.dry; ++i) {
                const bool wet = i < c.wet;
                EXPECT_EQ(particles[static_cast<std::size_t>(i)]->makesBlood, wet);
                if (wet && wild[static_cast<std::size_t>(i)]) {
                    wildSeen += std::fabs(shape.turns[static_cast<std::size_t>(i)]) > 0.0701f;
                    EXPECT_LE(std::fabs(shape.turns[static_cast<std::size_t>(i)]), 1.3401f);
                    continue;
                }
                EXPECT_LE(std::fabs(shape.turns[static_cast<std::size_t>(i)]), 0.0701f) << seed << " " << i;
                EXPECT_GE(shape.speeds[static_cast<std::size_t>(i)], 0.85f * c.baseSpeed - 1e-3f);
                EXPECT_LE(shape.speeds[static_cast<std::size_t>(i)], 1.15f * c.baseSpeed + 1e-3f);
            }
        }
        EXPECT_GT(wildSeen, 5) << c.throttle;
    }
}

TEST_F(ZombieStrikes, a_fixed_seed_reproduces_a_strike)
{
    std::vector<Vec2> first;
    for (int run = 0; run < 2; ++run) {
        seedRandom(5);
        clearParticles();
        clearZombies();
        zombieOnHand();
        player.setThrottle(1.0f);
        updateZombies(player, *grid);
        ASSERT_EQ(particles.size(), 60u);
        for (std::size_t i = 0; i < particles.size(); ++i) {
            if (run == 0)
                first.push_back(particles[i]->velocity);
            else
                EXPECT_EQ(particles[i]->velocity, first[i]) << i;
        }
    }
}

TEST_F(ZombieStrikes, zombies_outside_the_window_are_left_alone_even_when_dead)
{
    const Vec2 outside[] = {Vec2(35.9f, 60.0f), Vec2(121.0f, 60.0f), Vec2(60.0f, 36.9f), Vec2(60.0f, 99.0f)};
    const Vec2 inside[] = {Vec2(36.0f, 60.0f), Vec2(120.9f, 60.0f), Vec2(60.0f, 37.0f), Vec2(60.0f, 98.9f)};
    for (Vec2 p : outside) {
        Zombie &asleep = addZombie(p);
        addZombie(p).dead = true;
        updateZombies(player, *grid);
        ASSERT_EQ(zombies.size(), 2u);
        EXPECT_EQ(asleep.position, p);
        EXPECT_EQ(asleep.velocity.x, 0.0f);
        clearZombies();
    }
    for (Vec2 p : inside) {
        Zombie &awake = addZombie(p);
        addZombie(p).dead = true;
        updateZombies(player, *grid);
        ASSERT_EQ(zombies.size(), 1u) << p.x << "," << p.y;
        EXPECT_NE(awake.velocity.x, 0.0f);
        clearZombies();
    }
}

TEST_F(ZombieStrikes, removal_moves_the_last_zombie_forward_and_steps_it_once)
{
    addZombie(Vec2(60.0f, 60.0f)).dead = true;
    Zombie &second = addZombie(Vec2(70.0f, 60.0f));
    Zombie &last = addZombie(Vec2(90.0f, 60.0f));
    updateZombies(player, *grid);
    ASSERT_EQ(zombies.size(), 2u);
    EXPECT_EQ(zombies[0].get(), &last);
    EXPECT_EQ(zombies[1].get(), &second);
    // One step from rest: 0.1 of walking less 0.03 of friction.
    EXPECT_NEAR(std::fabs(last.velocity.x), 0.07f, 1e-6f);
    EXPECT_NEAR(std::fabs(second.velocity.x), 0.07f, 1e-6f);
}

TEST_F(ZombieStrikes, a_killing_strike_sprays_then_removes_and_the_dead_are_not_struck)
{
    zombieOnHand(0.01f);
    player.setThrottle(1.0f);
    updateZombies(player, *grid);
    EXPECT_TRUE(zombies.empty());
    EXPECT_EQ(particles.size(), 60u);

    clearParticles();
    Zombie &dead = zombieOnHand();
    dead.dead = true;
    updateZombies(player, *grid);
    EXPECT_TRUE(zombies.empty());
    EXPECT_TRUE(particles.empty());
}
