#include "core/zombie_strikes.h"
#include "world/player.h"

#include "play_world.h"
#include "support/event_recorder.h"
#include "world/world_state.h"

#include <algorithm>
#include <cmath>
#include <vector>

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
        world.zombies.push_back(std::make_unique<Zombie>(position, 0.0f, 250.0f, 1.0f));
        return *world.zombies.back();
    }
    Zombie &zombieOnHand() { return addZombie(Vec2(85.5f, 73.2f)); }

    Player player;
};

}  // namespace

// A strike at throttle t takes (0.32 t + 0.01) x 0.1 of health and sprays
// from the steady hand: max(trunc(20 t), 2) blood-carrying particles, each
// first drawing rand() % trunc(20 t + 7); on 3 the base turns by
// randomFloat(-1.34, 1.34) and is scaled by randomFloat(0.25, 1.15), else by
// (-0.07, 0.07) and (0.85, 1.15); then trunc(40 t) dry ones the usual way.
// The base points from the player's (x, y + 13) through the hand and is
// (0.5 t + 0.75) x 4 long.
TEST_F(ZombieStrikes, damage_and_spray_follow_the_throttle_from_the_steady_hand)
{
    Zombie &zombie = zombieOnHand();
    const Vec2 hand = player.handPoint();
    const EventRecorder events;
    for (const float throttle : {0.001f, 0.5f, 1.0f}) {
        player.setThrottle(throttle);
        const int wet = std::max(static_cast<int>(20.0f * throttle), 2);
        const int modulus = static_cast<int>(20.0f * throttle + 7.0f);
        int wild = 0;
        for (unsigned strike = 1; strike <= 12; ++strike) {
            seedRandom(strike * 1000003u);
            Vec2 base = (hand - Vec2(80.0f, 83.0f)).normalized() * ((0.5f * throttle + 0.75f) * 4.0f);
            std::vector<Vec2> expected;
            for (int i = 0; i < wet + static_cast<int>(40.0f * throttle); ++i) {
                const bool splash = i < wet && nextRandomInteger() % modulus == 3;
                wild += splash;
                base.rotate(splash ? randomFloat(-1.34f, 1.34f) : randomFloat(-0.07f, 0.07f));
                expected.push_back(base * (splash ? randomFloat(0.25f, 1.15f) : randomFloat(0.85f, 1.15f)));
            }
            seedRandom(strike * 1000003u);
            zombie.position = Vec2(85.5f, 73.2f);
            zombie.health = 1.0f;
            world.particles.clear();
            updateZombies(player, *grid);
            EXPECT_NEAR(zombie.health, 1.0f - (0.32f * throttle + 0.01f) * 0.1f, 1e-6f);
            ASSERT_EQ(world.particles.size(), expected.size()) << throttle;
            for (std::size_t i = 0; i < expected.size(); ++i) {
                const BloodParticle &p = *world.particles[i];
                ASSERT_TRUE(p.position == Vec2(88.0f, 76.0f) && p.makesBlood == (static_cast<int>(i) < wet)) << i;
                ASSERT_NEAR((p.velocity - expected[i]).length(), 0.0f, 1e-5f) << throttle << ", particle " << i;
            }
        }
        EXPECT_GT(wild, 0) << "the seeds must give wild splashes at throttle " << throttle;
        EXPECT_EQ(events.last(GameEventKind::ZombieStruck).strength, throttle);
    }
    EXPECT_EQ(events.count(GameEventKind::ZombieStruck), 36);
    EXPECT_EQ(events.last(GameEventKind::ZombieStruck).position, hand);
    EXPECT_EQ(zombie.shakeCount, 36);
    EXPECT_EQ(zombie.sprite()->bounds().y, 74);  // drawn one row lower

    // A killing strike still sprays; the zombie goes in the same frame.
    world.particles.clear();
    player.setThrottle(0.001f);
    zombie.health = 0.0005f;
    // Reported at the zombie's middle, after its last step (under a pixel).
    const Vec2 middle = zombie.position + Vec2(3.5f, 6.5f);
    updateZombies(player, *grid);
    EXPECT_TRUE(world.zombies.empty());
    EXPECT_EQ(world.particles.size(), 2u);
    EXPECT_EQ(events.count(GameEventKind::ZombieKilled), 1);
    EXPECT_NEAR((events.last(GameEventKind::ZombieKilled).position - middle).length(), 0.0f, 1.0f);
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
        EXPECT_EQ(world.zombies.size(), inside ? 1u : 2u) << p.x << "," << p.y;
        if (!inside) {
            EXPECT_EQ(idle.velocity.x, 0.0f) << p.x << "," << p.y;
        }
        world.zombies.clear();
    }

    // A dead zombie on the hand is removed without a strike; the last zombie
    // moves into its slot and is stepped once, in this frame.
    player.setThrottle(1.0f);
    zombieOnHand().dead = true;
    Zombie &second = addZombie(Vec2(70.0f, 60.0f));
    Zombie &last = addZombie(Vec2(60.0f, 60.0f));
    updateZombies(player, *grid);
    EXPECT_TRUE(world.particles.empty());
    ASSERT_EQ(world.zombies.size(), 2u);
    EXPECT_TRUE(world.zombies[0].get() == &last && world.zombies[1].get() == &second);
    EXPECT_NEAR(std::fabs(last.velocity.x), 0.07f, 1e-6f);  // 0.1 walk less 0.03 friction
}
