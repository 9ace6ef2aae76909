#include "world/player.h"

#include "formats/animation_library.h"
#include "gfx/sprite.h"
#include "world/clock.h"
#include "world/player_mover.h"
#include "world/random.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Records what the player asks of its mover and leaves the body where it is.
class RecordingMover : public PlayerMover {
public:
    void move(Player &player) override { movedWith.push_back(player.velocity()); }
    void spawnSplash(int x, int y, Vec2 velocity, bool keepBlood) override
    {
        splashes.push_back({x, y, velocity, keepBlood});
    }

    struct Splash {
        int x;
        int y;
        Vec2 velocity;
        bool keepBlood;
    };
    std::vector<Vec2> movedWith;
    std::vector<Splash> splashes;
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

TEST(Player, running_accelerates_to_four_and_brakes_to_exactly_zero)
{
    Player player = standingPlayer();
    player.press(Direction::Right);
    player.update();
    EXPECT_FLOAT_EQ(player.velocity().x, 0.45f);
    for (int i = 0; i < 20; ++i) {
        player.update();
    }
    EXPECT_FLOAT_EQ(player.velocity().x, 4.0f);
    EXPECT_EQ(player.animationName(), "p_run_right");

    player.release(Direction::Right);
    player.update();
    EXPECT_FLOAT_EQ(player.velocity().x, 3.775f);
    int steps = 1;
    while (player.velocity().x > 0.0f && steps < 100) {
        player.update();
        ++steps;
    }
    EXPECT_EQ(steps, 18);
    EXPECT_EQ(player.velocity().x, 0.0f);
    EXPECT_EQ(player.animationName(), "p_stand_right");
}

TEST(Player, wading_at_depth_twelve_halves_speed_and_acceleration)
{
    Player player = standingPlayer();
    player.setDepth(12);
    EXPECT_TRUE(player.wading());
    EXPECT_FLOAT_EQ(player.speedFactor(), 0.5f);
    player.press(Direction::Left);
    player.update();
    EXPECT_FLOAT_EQ(player.velocity().x, -0.225f);
    for (int i = 0; i < 20; ++i) {
        player.update();
    }
    EXPECT_FLOAT_EQ(player.velocity().x, -2.0f);

    player.setDepth(5);
    EXPECT_FLOAT_EQ(player.speedFactor(), 1.0f);
    player.setDepth(4);
    EXPECT_FALSE(player.wading());
    EXPECT_FLOAT_EQ(player.speedFactor(), 1.0f);
}

TEST(Player, jumps_only_when_standing_on_land)
{
    Player player = standingPlayer();
    player.press(Direction::Up);
    EXPECT_FLOAT_EQ(player.velocity().y, -7.0f);
    EXPECT_FALSE(player.onGround());

    // Airborne: a second press does nothing but hold the key.
    player.release(Direction::Up);
    player.press(Direction::Up);
    EXPECT_FLOAT_EQ(player.velocity().y, -7.0f);
    EXPECT_TRUE(player.keyHeld(Direction::Up));

    Player swimmer = standingPlayer();
    swimmer.setDepth(13);
    ASSERT_TRUE(swimmer.swimming());
    EXPECT_TRUE(swimmer.enteredStanding());
    swimmer.press(Direction::Up);
    EXPECT_FLOAT_EQ(swimmer.velocity().y, 0.0f);
    EXPECT_TRUE(swimmer.keyHeld(Direction::Up));

    // Leaving the pool with Up held jumps out at 0.85 of a jump.
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
    for (const RecordingMover::Splash &s : mover.splashes) {
        EXPECT_EQ(s.x, 42);
        EXPECT_EQ(s.y, 111);
        EXPECT_FALSE(s.keepBlood);
        const float speed = s.velocity.length();
        EXPECT_GE(speed, 1.5f + 0.88f * 1.5f);
        EXPECT_LE(speed, 2.5f + 0.89f * 1.5f);
    }
    EXPECT_LT(mover.splashes.front().velocity.y, 0.0f);

    // The same depth again throws nothing; coming out halves the strength.
    mover.splashes.clear();
    player.setDepth(1);
    EXPECT_TRUE(mover.splashes.empty());
    player.setOnGround(true);
    player.setVelocity(Vec2());
    player.setDepth(0);
    EXPECT_EQ(mover.splashes.size(), 1u);
}

TEST(Player, blood_film_friction_lasts_until_dry_ground)
{
    Player player = standingPlayer();
    player.setDepth(1);
    EXPECT_FLOAT_EQ(player.friction(), 0.05f);
    EXPECT_TRUE(player.slippery());
    player.setOnGround(false);
    player.setDepth(3);
    player.setDepth(4);
    EXPECT_FLOAT_EQ(player.friction(), 0.05f);
    player.setDepth(2);
    EXPECT_FLOAT_EQ(player.friction(), 0.25f);
    player.setDepth(0);
    EXPECT_TRUE(player.slippery());

    // Standing again, at depth 3 as on dry ground, ends the film.
    player.setOnGround(true);
    player.setDepth(3);
    EXPECT_FALSE(player.slippery());
    EXPECT_FLOAT_EQ(player.friction(), 1.0f);
}

TEST(Player, slippery_film_brakes_slowly)
{
    Player player = standingPlayer();
    player.setDepth(1);
    player.setVelocity(Vec2(1.0f, 0.0f));
    player.update();
    EXPECT_FLOAT_EQ(player.velocity().x, 1.0f - 0.225f * 0.05f);
}

TEST(Player, animation_follows_ground_facing_and_motion)
{
    Player player = standingPlayer();
    player.press(Direction::Right);
    player.release(Direction::Right);
    player.setVelocity(Vec2(-1.0f, 0.0f));
    player.update();
    EXPECT_EQ(player.animationName(), "p_turn_left");

    player.press(Direction::Left);
    player.update();
    EXPECT_EQ(player.animationName(), "p_run_left");

    player.setVelocity(Vec2(2.0f, 0.0f));
    player.release(Direction::Left);
    player.update();
    EXPECT_EQ(player.animationName(), "p_turn_right");

    player.setOnGround(false);
    player.press(Direction::Left);
    player.update();
    EXPECT_EQ(player.animationName(), "p_jump_left");

    player.setDepth(13);
    player.setOnGround(false);
    player.setPosition(Vec2(100.0f, 100.0f));
    player.update();
    EXPECT_EQ(player.animationName(), "p_swim_left");
}

TEST(Player, hand_point_follows_aim_and_body)
{
    Player player;
    EXPECT_EQ(player.handPoint(), Vec2(8.5f, 6.5f));
    player.setAimAngle(1.5707964f);
    EXPECT_NEAR(player.handPoint().x, 2.0f, 1e-5f);
    EXPECT_NEAR(player.handPoint().y, 13.0f, 1e-5f);

    player.setPosition(Vec2(30.0f, 100.0f));
    player.setVelocity(Vec2(2.0f, 0.0f));
    player.update();
    // Braking took 0.225 off the step.
    EXPECT_NEAR(player.handPoint().x, 33.775f, 1e-4f);
    EXPECT_NEAR(player.handPoint().y, 113.0f, 1e-5f);
}

TEST(Player, fallback_move_keeps_the_body_in_the_world)
{
    Player player;
    player.setPosition(Vec2(6.0f, 234.0f));
    player.setVelocity(Vec2(-3.0f, 5.0f));
    player.update();
    EXPECT_EQ(player.position(), Vec2(5.0f, 237.0f));
    EXPECT_TRUE(player.onGround());
    EXPECT_EQ(player.velocity(), Vec2(0.0f, 0.0f));

    player.setPosition(Vec2(244.0f, 100.0f));
    player.setVelocity(Vec2(3.0f, 0.0f));
    player.update();
    EXPECT_FLOAT_EQ(player.position().x, 246.0f);
}

TEST(Player, reset_for_level_clears_motion_and_keeps_the_rest)
{
    Player player = standingPlayer();
    player.press(Direction::Right);
    player.setThrottle(1.0f);
    player.setAimAngle(0.5f);
    player.setVelocity(Vec2(3.0f, -2.0f));
    player.setDepth(13);
    player.damage(1.5f);
    EXPECT_FLOAT_EQ(player.health(), -0.5f);

    player.resetForLevel();
    EXPECT_TRUE(player.facingLeft());
    EXPECT_EQ(player.velocity(), Vec2(0.0f, 0.0f));
    EXPECT_FALSE(player.swimming());
    EXPECT_FALSE(player.onGround());
    EXPECT_EQ(player.depth(), 0);
    EXPECT_FLOAT_EQ(player.health(), 1.0f);
    EXPECT_EQ(player.position(), Vec2(100.0f, 237.0f));
    EXPECT_TRUE(player.keyHeld(Direction::Right));
    EXPECT_FLOAT_EQ(player.throttle(), 1.0f);
    EXPECT_FLOAT_EQ(player.aimAngle(), 0.5f);
}

TEST(Player, swim_stroke_rises_and_falls_once_a_second)
{
    gameclock::drive(5000);
    Player player;
    EXPECT_FLOAT_EQ(player.strokeFactor(), 0.5f);
    gameclock::advance(500);
    EXPECT_FLOAT_EQ(player.strokeFactor(), 1.0f);
    // Past a second the time base moves on by one second.
    gameclock::advance(750);
    EXPECT_NEAR(player.strokeFactor(), 0.5f + 0.5f * 0.70710677f, 1e-5f);
    gameclock::advance(250);
    EXPECT_NEAR(player.strokeFactor(), 1.0f, 1e-5f);
    // A long pause restarts the rhythm.
    gameclock::advance(5000);
    player.strokeFactor();
    EXPECT_NEAR(player.strokeFactor(), 0.5f, 1e-5f);
    gameclock::release();
}

TEST(Player, swimming_rhythm_shapes_only_the_move)
{
    gameclock::drive(1000);
    RecordingMover mover;
    Player player;
    player.setMover(&mover);
    player.setDepth(13);
    player.press(Direction::Right);
    player.press(Direction::Down);
    player.update();

    // The stroke is at its lowest (0.5) at the start of the second.
    ASSERT_EQ(mover.movedWith.size(), 1u);
    EXPECT_FLOAT_EQ(mover.movedWith[0].x, 0.225f * 0.5f);
    EXPECT_FLOAT_EQ(mover.movedWith[0].y, 0.225f + 0.075f);
    EXPECT_FLOAT_EQ(player.velocity().x, 0.225f);
    EXPECT_EQ(player.animationName(), "p_swim_right");

    // Swim speeds are capped at 2 across, 1 down, 1.25 up.
    for (int i = 0; i < 20; ++i) {
        player.update();
    }
    EXPECT_FLOAT_EQ(player.velocity().x, 2.0f);
    EXPECT_FLOAT_EQ(player.velocity().y, 1.075f);
    gameclock::release();
}

TEST(Player, running_mower_pushes_a_swimmer_away_from_it)
{
    gameclock::drive(1500);
    RecordingMover mover;
    Player player;
    player.setMover(&mover);
    player.setDepth(13);
    player.setThrottle(1.0f);
    player.setAimAngle(0.0f);
    player.update();
    // The hand is to the right, so the body is pushed left by 1.5.
    EXPECT_FLOAT_EQ(player.thrust().x, -1.5f);
    EXPECT_FLOAT_EQ(mover.movedWith[0].x, -1.5f);
    gameclock::release();
}

TEST(Player, sprite_plays_the_chosen_animation_each_step)
{
    for (const char *name : {"p_stand_right", "p_run_right"}) {
        auto animation = std::make_unique<Animation>();
        animation->name = name;
        animation->frames.push_back(Rect{0, 0, 4, 13});
        animationLibrary().add(std::move(animation));
    }
    Sprite sprite;
    Player player = standingPlayer();
    player.setSprite(&sprite);
    player.update();
    ASSERT_NE(sprite.animation(), nullptr);
    EXPECT_EQ(sprite.animation()->name, "p_stand_right");
    player.press(Direction::Right);
    player.update();
    EXPECT_EQ(sprite.animation()->name, "p_run_right");
    animationLibrary().clear();
}
