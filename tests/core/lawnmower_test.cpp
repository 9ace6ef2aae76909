#include "core/lawnmower.h"
#include "core/player_drawing.h"
#include "world/player.h"

#include "play_world.h"

// The player at (20, 20) aiming right: centre (22, 26.5), hand (28.5, 26.5).
class Lawnmower : public PlayWorld {
protected:
    void SetUp() override
    {
        PlayWorld::SetUp();
        player.setPosition(Vec2(20.0f, 20.0f));
        player.setAimAngle(0.0f);
    }
    Player player;
};

// Above throttle 0.1 the mower is drawn shaken along the arm, at
// 6.5 x randomFloat(1 - 0.2 t, 1 + 0.2 t) from the centre; above 0.5 its
// angle first jitters by randomFloat(-0.05 t, 0.05 t). A sprite given the
// expected angle and point shows where the mower must be.
TEST_F(Lawnmower, shakes_along_the_arm_above_0_1_and_sideways_above_0_5)
{
    SurfacePtr mowerPicture = picture(11, 8, 0x808080);
    player.setAimAngle(1.0f);
    const Vec2 hand = player.handPoint();
    // Each threshold from both sides: 0.1 and 0.11, 0.5 and 0.51.
    for (const float throttle : {0.1f, 0.11f, 0.3f, 0.5f, 0.51f, 1.0f}) {
        Sprite mower;
        Sprite expected;
        for (Sprite *s : {&mower, &expected}) {
            s->setImage(mowerPicture.get());
            s->setPivot(5, 4);
        }
        player.setThrottle(throttle);
        for (unsigned frame = 1; frame <= 20; ++frame) {
            seedRandom(frame * 1000003u);
            float angle = 1.0f;
            Vec2 point = hand;
            if (throttle > 0.1f) {
                angle += throttle > 0.5f ? randomFloat(-0.05f * throttle, 0.05f * throttle) : 0.0f;
                Vec2 arm(randomFloat(1.0f - 0.2f * throttle, 1.0f + 0.2f * throttle) * 6.5f, 0.0f);
                arm.rotate(angle);
                point = player.centre() + arm;
            }
            const double nextDraw = randomUnit();
            expected.setAngle(angle);
            expected.setCenter(static_cast<int>(point.x), static_cast<int>(point.y));
            seedRandom(frame * 1000003u);
            drawLawnmower(player, mower);
            ASSERT_EQ(randomUnit(), nextDraw) << throttle;
            ASSERT_EQ(mower.rotation()->angle, expected.rotation()->angle) << throttle;
            ASSERT_EQ(mower.bounds(), expected.bounds()) << throttle << ", frame " << frame;
        }
        EXPECT_EQ(player.handPoint(), hand);
    }
}

TEST_F(Lawnmower, player_is_drawn_rear_arm_body_front_arm)
{
    constexpr std::uint32_t rear = 0xAC8680, front = 0xECB7AE, body = 0x3050A0;
    drawPlayer(player, nullptr);
    // The rear arm hangs down 5 pixels at most, the front one reaches 4 for the hand.
    EXPECT_TRUE(rgb(22, 26) == front && rgb(25, 26) == front && rgb(26, 26) == 0u);
    EXPECT_TRUE(rgb(22, 27) == rear && rgb(22, 30) == rear && rgb(22, 31) == 0u);

    SDL_FillRect(video.world.get(), nullptr, 0);
    SurfacePtr bodyPicture = picture(4, 13, body);
    Sprite sprite;
    sprite.setImage(bodyPicture.get());
    player.update();
    addAnimation(player.animationName(), Rect{0, 0, 4, 13});
    drawPlayer(player, &sprite);
    ASSERT_NE(sprite.animation(), nullptr);
    EXPECT_EQ(sprite.animation()->name, player.animationName());
    const Vec2 p = player.position();
    EXPECT_TRUE(sprite.bounds().x == static_cast<int>(p.x) && sprite.bounds().y == static_cast<int>(p.y));
    const int cx = static_cast<int>(player.centre().x);
    const int cy = static_cast<int>(player.centre().y);
    EXPECT_EQ(rgb(cx, cy + 1), body);  // over the rear arm
    EXPECT_EQ(rgb(cx + 1, cy), front);
}
