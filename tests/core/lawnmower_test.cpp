#include "core/lawnmower.h"
#include "core/player_drawing.h"
#include "gfx/sprite.h"
#include "world/player.h"

#include "play_world.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr std::uint32_t kRearArm = 0xAC8680;
constexpr std::uint32_t kFrontArm = 0xECB7AE;
constexpr std::uint32_t kBody = 0x3050A0;

class Lawnmower : public PlayWorld {
protected:
    void SetUp() override
    {
        PlayWorld::SetUp();
        mowerPicture = picture(11, 8, 0xFF808080);
        mower.setImage(mowerPicture.get());
        mower.setPivot(5, 4);
        player.setPosition(Vec2(20.0f, 20.0f));  // centre (22, 26.5), hand (28.5, 26.5)
        player.setAimAngle(0.0f);
    }

    // How many float draws one drawing takes from the generator.
    int drawsAt(float throttle)
    {
        player.setThrottle(throttle);
        seedRandom(7);
        drawLawnmower(player, mower);
        const double next = randomUnit();
        seedRandom(7);
        for (int n = 0; n < 4; ++n) {
            if (randomUnit() == next)
                return n;
        }
        return -1;
    }
    // The world point the sprite's pivot was put on.
    Vec2 pivotPoint() const
    {
        const RotationState *r = mower.rotation();
        return Vec2(mower.bounds().x + static_cast<int>(r->pivot.x + 0.5f),
                    mower.bounds().y + static_cast<int>(r->pivot.y + 0.5f));
    }
    std::uint32_t rgb(int x, int y) const { return pixel(x, y) & 0xFFFFFF; }

    SurfacePtr mowerPicture;
    Sprite mower;
    Player player;
};

}  // namespace

TEST_F(Lawnmower, shakes_above_throttle_one_tenth_and_jitters_above_one_half)
{
    EXPECT_EQ(drawsAt(0.001f), 0);
    EXPECT_EQ(drawsAt(0.1f), 0);
    EXPECT_EQ(pivotPoint(), Vec2(28.0f, 26.0f));  // the steady hand
    EXPECT_EQ(drawsAt(0.1001f), 1);
    EXPECT_EQ(drawsAt(0.5f), 1);
    EXPECT_EQ(drawsAt(0.5001f), 2);
    EXPECT_EQ(drawsAt(1.0f), 2);
    EXPECT_EQ(player.handPoint(), Vec2(28.5f, 26.5f));
}

TEST_F(Lawnmower, shaken_mower_stays_on_the_arm_between_its_limits)
{
    // Throttle 1: 5.2 to 7.8 pixels from the centre (22, 26.5), turned by at
    // most 0.05 radians.
    std::set<int> columns;
    player.setThrottle(1.0f);
    for (unsigned seed = 1; seed <= 40; ++seed) {
        seedRandom(seed);
        drawLawnmower(player, mower);
        const Vec2 p = pivotPoint();
        columns.insert(static_cast<int>(p.x));
        EXPECT_GE(p.x, 27.0f);
        EXPECT_LE(p.x, 29.0f);
        EXPECT_EQ(p.y, 26.0f);
    }
    EXPECT_GE(columns.size(), 2u);
}

TEST_F(Lawnmower, player_is_drawn_rear_arm_body_front_arm)
{
    // Without a sprite only the arms: the rear one hangs down, 5 pixels at
    // most; the front one reaches for the hand, 4 pixels at most.
    drawPlayer(player, nullptr);
    EXPECT_EQ(rgb(22, 26), kFrontArm);
    EXPECT_EQ(rgb(25, 26), kFrontArm);
    EXPECT_EQ(rgb(26, 26), 0u);
    EXPECT_EQ(rgb(22, 27), kRearArm);
    EXPECT_EQ(rgb(22, 30), kRearArm);
    EXPECT_EQ(rgb(22, 31), 0u);

    // The body covers the rear arm; the front arm lies over the body.
    clearWorldSurface();
    SurfacePtr body = picture(4, 13, 0xFF000000 | kBody);
    Sprite sprite;
    sprite.setImage(body.get());
    player.update();
    addAnimation(player.animationName(), Rect{0, 0, 4, 13});
    drawPlayer(player, &sprite);
    const int left = static_cast<int>(player.position().x);
    const int top = static_cast<int>(player.position().y);
    EXPECT_EQ(sprite.bounds().x, left);
    EXPECT_EQ(sprite.bounds().y, top);
    ASSERT_NE(sprite.animation(), nullptr);
    EXPECT_EQ(sprite.animation()->name, player.animationName());
    const int cx = static_cast<int>(player.centre().x);
    const int cy = static_cast<int>(player.centre().y);
    EXPECT_EQ(rgb(cx, cy + 1), kBody);
    EXPECT_EQ(rgb(cx + 1, cy), kFrontArm);
    EXPECT_EQ(rgb(left, top), kBody);
}
