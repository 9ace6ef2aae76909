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

TEST_F(Lawnmower, idling_mower_is_held_at_the_hand_by_its_pivot)
{
    SurfacePtr mowerPicture = picture(11, 8, 0x808080);
    Sprite mower;
    mower.setImage(mowerPicture.get());
    mower.setPivot(5, 4);
    player.setThrottle(0.1f);
    drawLawnmower(player, mower);
    EXPECT_EQ(player.handPoint(), Vec2(28.5f, 26.5f));
    const RotationState *r = mower.rotation();
    EXPECT_EQ(mower.bounds().x + static_cast<int>(r->pivot.x + 0.5f), 28);
    EXPECT_EQ(mower.bounds().y + static_cast<int>(r->pivot.y + 0.5f), 26);
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
