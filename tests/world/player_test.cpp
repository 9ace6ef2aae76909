#include "world/player.h"

#include "world/clock.h"
#include "world/player_mover.h"
#include "world/random.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records what the player asks of its mover and leaves the body where it is.
class RecordingMover : public PlayerMover {
public:
    void move(Player &player) override { movedWith.push_back(player.velocity()); }
    void spawnSplash(int x, int y, Vec2 velocity, bool keepBlood) override
    {
        origins.push_back(Vec2(x, keepBlood ? -1 : y));  // -1: no blood taken from the pool
        splashes.push_back(velocity);
    }
    std::vector<Vec2> movedWith;
    std::vector<Vec2> origins;
    std::vector<Vec2> splashes;
};

// A player standing still on the floor of the plain fallback move.
Player standingPlayer()
{
    Player player;
    player.setPosition(Vec2(100.0f, 237.0f));
    player.setOnGround(true);
    return player;
}

}  // namespace

TEST(Player, running_accelerates_to_four_brakes_to_exactly_zero_and_wades_at_half_speed)
{
    Player player = standingPlayer();
    player.press(Direction::Right);
    for (int i = 0; i < 20; ++i)
        player.update();
    EXPECT_FLOAT_EQ(player.velocity().x, 4.0f);
    EXPECT_EQ(player.animationName(), "p_run_right");
    player.release(Direction::Right);
    int steps = 0;
    for (; player.velocity().x > 0.0f && steps < 100; ++steps)
        player.update();
    EXPECT_EQ(steps, 18);
    EXPECT_EQ(player.velocity().x, 0.0f);
    EXPECT_EQ(player.animationName(), "p_stand_right");

    Player wader = standingPlayer();
    wader.setDepth(12);
    wader.press(Direction::Left);
    for (int i = 0; i < 20; ++i)
        wader.update();
    EXPECT_FLOAT_EQ(wader.velocity().x, -2.0f);
}

TEST(Player, jumps_only_when_standing_on_land)
{
    Player player = standingPlayer();
    player.press(Direction::Up);
    EXPECT_FLOAT_EQ(player.velocity().y, -7.0f);

    Player swimmer = standingPlayer();
    swimmer.setDepth(13);
    swimmer.press(Direction::Up);
    EXPECT_FLOAT_EQ(swimmer.velocity().y, 0.0f);
    // Up still held when leaving the pool jumps out at 0.85 of a jump.
    swimmer.setDepth(6);
    EXPECT_FALSE(swimmer.swimming());
    EXPECT_FALSE(swimmer.onGround());
    EXPECT_FLOAT_EQ(swimmer.velocity().y, -5.95f);
}

TEST(Player, falling_into_blood_throws_a_splash_by_strength)
{
    RecordingMover mover;
    Player player;
    player.setMover(&mover);
    player.setPosition(Vec2(40.0f, 100.0f));
    player.setVelocity(Vec2(0.0f, 3.0f));
    seedRandom(7);
    // 0.5 airborne + 0.3 from the fall + 1/12 from one row of depth.
    player.setDepth(1);
    ASSERT_EQ(mover.splashes.size(), 9u);
    // From the blood surface at the body, each taking blood from the pool.
    EXPECT_EQ(mover.origins.back(), Vec2(42, 111));
    for (const Vec2 &v : mover.splashes) {
        EXPECT_GE(v.length(), 1.5f + 0.88f * 1.5f);
        EXPECT_LE(v.length(), 2.5f + 0.89f * 1.5f);
    }
}

TEST(Player, blood_film_friction_lasts_until_dry_ground)
{
    Player player = standingPlayer();
    player.setDepth(1);
    EXPECT_FLOAT_EQ(player.friction(), 0.05f);
    player.setOnGround(false);
    player.setDepth(3);
    player.setDepth(4);
    EXPECT_FLOAT_EQ(player.friction(), 0.05f);
    player.setDepth(2);
    EXPECT_FLOAT_EQ(player.friction(), 0.25f);
    player.setOnGround(true);
    player.setDepth(3);
    EXPECT_FLOAT_EQ(player.friction(), 1.0f);
}

TEST(Player, swimming_rhythm_shapes_only_the_move)
{
    gameclock::drive(1000);
    RecordingMover mover;
    Player player;
    player.setMover(&mover);
    player.setDepth(13);
    player.press(Direction::Right);
    player.update();
    // The stroke is at its lowest (0.5) at the start of each second.
    ASSERT_EQ(mover.movedWith.size(), 1u);
    EXPECT_FLOAT_EQ(mover.movedWith[0].x, 0.225f * 0.5f);
    EXPECT_FLOAT_EQ(player.velocity().x, 0.225f);
    gameclock::release();
}
