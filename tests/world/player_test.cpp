#include "world/player.h"

#include "platform/clock.h"
#include "support/event_recorder.h"
#include "world/player_mover.h"
#include "world/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>
#include <tuple>
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

// A swimmer that dived in from the air, on a recording mover; the clock is
// held, so the stroke stays at its lowest, 0.5.
class Swimming : public ::testing::Test {
protected:
    void SetUp() override
    {
        wallclock::drive(1000);
        dive();
    }
    void TearDown() override
    {
        wallclock::release();
        resetRandom();  // the generators back to their program-start state
    }
    void dive()
    {
        player = Player();
        player.setMover(&mover);
        player.setDepth(13);
    }

    RecordingMover mover;
    Player player;
};

bool near(Vec2 a, Vec2 b)
{
    return (a - b).length() < 1e-5f;
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
    resetRandom();  // the generators back to their program-start state
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

// Keys push by 0.225; x is held to [-2, 2] and y to [-1.25, 1] before the
// sink of 0.075; without Left or Right x loses 0.075 of itself and stops
// below 0.05. The move sees x times the stroke; the velocity kept does not.
TEST_F(Swimming, one_step_clamps_drags_sinks_and_strokes_only_the_move)
{
    using D = Direction;
    const std::vector<std::tuple<Vec2, std::vector<D>, Vec2>> rows{
        {Vec2(3.0f, 2.0f), {D::Right}, Vec2(2.0f, 1.075f)},
        {Vec2(-3.0f, -3.0f), {D::Left, D::Up}, Vec2(-2.0f, -1.175f)},
        {Vec2(0.0f, 0.0f), {D::Right, D::Down}, Vec2(0.225f, 0.3f)},
        {Vec2(1.0f, 0.0f), {}, Vec2(0.925f, 0.075f)},
        {Vec2(0.055f, 0.0f), {}, Vec2(0.050875f, 0.075f)},
        {Vec2(0.054f, 0.0f), {}, Vec2(0.0f, 0.075f)},
        {Vec2(-0.054f, 0.0f), {}, Vec2(0.0f, 0.075f)}};
    for (const auto &[start, keys, kept] : rows) {
        dive();
        for (Direction d : keys)
            player.press(d);
        player.setVelocity(start);
        player.update();
        EXPECT_TRUE(near(mover.movedWith.back(), Vec2(kept.x * 0.5f, kept.y)) && near(player.velocity(), kept))
            << start.x << ", " << start.y;
    }
}

// The mower pushes by normalized(centre - hand) x 2t x 0.75 a step, the sum
// held within 6t on each axis; without throttle the thrust halves each step
// and is added while its squared length is above 0.5, then ends.
TEST_F(Swimming, mower_thrust_builds_to_six_times_the_throttle_then_decays)
{
    player.setAimAngle(std::numbers::pi_v<float> / 4.0f);
    const float push = -1.5f * std::numbers::sqrt2_v<float> / 2.0f;
    Vec2 expected;
    for (int step = 0; step < 11; ++step) {
        player.setThrottle(step < 7 ? 1.0f : 0.001f);
        const float halved = step == 10 ? 0.0f : expected.x * 0.5f;
        expected = step < 7 ? Vec2(std::max(expected.x + push, -6.0f), std::max(expected.y + push, -6.0f))
                            : Vec2(halved, halved);
        player.update();
        const Vec2 added = mover.movedWith.back() - Vec2(player.savedVelocity().x * 0.5f, player.savedVelocity().y);
        EXPECT_TRUE(near(player.thrust(), expected) && near(added, expected)) << "step " << step;
    }

    // Thrust along one axis only is kept as it is once the throttle drops
    // (it halves only while both its parts are non-zero), as long as the
    // body moves on that axis: here Right keeps it swimming along.
    dive();
    player.setThrottle(1.0f);
    for (int step = 0; step < 3; ++step) {
        player.setAimAngle(0.0f);  // level before every step: the push has no y at all
        player.update();
    }
    ASSERT_EQ(player.thrust(), Vec2(-4.5f, 0.0f));
    player.setThrottle(0.001f);
    player.press(Direction::Right);
    player.update();
    player.update();
    EXPECT_EQ(player.thrust(), Vec2(-4.5f, 0.0f));
}

// Leaving the blood: x times the stroke, plus 0.35 of the thrust; with Up
// held and the thrust's y at least -5.95, a jump of 0.85 x 7 and x times
// 0.65; y never below -10; the thrust ends.
TEST_F(Swimming, leaving_the_pool_carries_the_thrust_and_jumps_out_with_up)
{
    // At throttle 0.99 four steps leave the thrust's y at -5.94, at 0.995 at
    // -5.97: on either side of -5.95.
    for (const auto &[steps, throttle, up, start, expected, jumps] :
         {std::tuple{3, 1.0f, true, Vec2(2.0f, -1.0f), Vec2(0.65f, -8.525f), true},
          {4, 1.0f, true, Vec2(2.0f, -1.0f), Vec2(1.0f, -3.1f), false},
          {4, 0.99f, true, Vec2(2.0f, -1.0f), Vec2(0.65f, -1.0f - 0.35f * 5.94f - 5.95f), true},
          {4, 0.995f, true, Vec2(2.0f, -1.0f), Vec2(1.0f, -1.0f - 0.35f * 5.97f), false},
          {3, 1.0f, true, Vec2(0.0f, -4.0f), Vec2(0.0f, -10.0f), true},
          {3, 1.0f, false, Vec2(2.0f, 0.0f), Vec2(1.0f, -1.575f), false}}) {
        dive();
        player.setOnGround(true);
        player.setThrottle(throttle);
        player.setAimAngle(std::numbers::pi_v<float> / 2.0f);  // the hand below: 1.5 up a step
        if (up)
            player.press(Direction::Up);
        for (int i = 0; i < steps; ++i)
            player.update();
        player.setVelocity(start);
        player.setDepth(5);
        EXPECT_TRUE(near(player.velocity(), expected) && !player.swimming() && player.thrust() == Vec2()) << steps;
        EXPECT_EQ(player.onGround(), !jumps) << steps;
    }
}

TEST_F(Swimming, diving_in_strokes_leaving_jumps_and_hurts_are_reported)
{
    const EventRecorder events;
    dive();
    // Dived from the air at rest: 0.5 airborne + 13 rows / 6 x 0.5.
    ASSERT_EQ(events.count(GameEventKind::PoolEntered), 1);
    EXPECT_FLOAT_EQ(events.last(GameEventKind::PoolEntered).strength, 0.5f + 13.0f / 12.0f);
    EXPECT_EQ(events.last(GameEventKind::PoolEntered).position, Vec2(2.0f, -1.0f));
    // One stroke a second while swimming.
    for (int frame = 0; frame < 106; ++frame) {
        wallclock::advance(33);
        player.update();
    }
    EXPECT_EQ(events.count(GameEventKind::SwimStroke), 3);
    player.press(Direction::Up);
    player.setDepth(5);
    EXPECT_EQ(events.count(GameEventKind::PoolLeft), 1);
    EXPECT_FLOAT_EQ(events.last(GameEventKind::PlayerJumped).strength, 0.85f);
    player.damage(0.05f);
    EXPECT_FLOAT_EQ(events.last(GameEventKind::PlayerHurt).strength, 0.05f);

    Player lander = standingPlayer();
    lander.press(Direction::Up);
    EXPECT_EQ(events.count(GameEventKind::PlayerJumped), 2);
    EXPECT_EQ(events.last(GameEventKind::PlayerJumped).position, lander.centre());
}
