#include "formats/animation.h"

#include <gtest/gtest.h>

namespace {

Animation fourFrames(bool loop)
{
    Animation a;
    a.frames = {Rect{0, 0, 8, 8}, Rect{8, 0, 8, 8}, Rect{16, 0, 8, 8}, Rect{24, 0, 8, 8}};
    a.FrameLength = 30;
    a.loop = loop;
    return a;
}

}  // namespace

TEST(Animation, looping_advance_wraps_and_carries_the_remainder)
{
    Animation a = fourFrames(true);
    a.advance(100);
    EXPECT_EQ(a.currentFrame, 3);
    EXPECT_EQ(a.elapsed, 10);

    Animation b = fourFrames(true);
    b.advance(130);
    EXPECT_EQ(b.currentFrame, 0);
    EXPECT_EQ(b.elapsed, 10);
    EXPECT_TRUE(b.playing);

    // Small steps add up: 29 ms shows nothing, one more moves a frame.
    Animation c = fourFrames(true);
    c.advance(29);
    EXPECT_EQ(c.currentFrame, 0);
    c.advance(1);
    EXPECT_EQ(c.currentFrame, 1);
    EXPECT_EQ(c.elapsed, 0);

    // Many laps at once still land on a frame.
    Animation d = fourFrames(true);
    d.advance(2'000'000'000);
    EXPECT_GE(d.currentFrame, 0);
    EXPECT_LT(d.currentFrame, 4);
    EXPECT_EQ(d.currentFrame, (2'000'000'000 / 30) % 4);
}

TEST(Animation, non_looping_stops_on_the_last_frame)
{
    Animation a = fourFrames(false);
    a.advance(1000);
    EXPECT_EQ(a.currentFrame, 3);
    EXPECT_FALSE(a.playing);
    a.advance(1000);
    EXPECT_EQ(a.currentFrame, 3);

    Animation b = fourFrames(false);
    b.advance(95);
    EXPECT_EQ(b.currentFrame, 3);
    EXPECT_TRUE(b.playing);
    b.advance(30);
    EXPECT_FALSE(b.playing);
}

TEST(Animation, unplayable_animation_stays_put)
{
    Animation empty;
    EXPECT_FALSE(empty.playable());
    empty.advance(100);
    EXPECT_EQ(empty.currentFrame, 0);

    Animation zeroLength = fourFrames(true);
    zeroLength.FrameLength = 0;
    EXPECT_FALSE(zeroLength.playable());
    zeroLength.advance(100);
    EXPECT_EQ(zeroLength.currentFrame, 0);

    Animation backwards = fourFrames(true);
    backwards.advance(-100);
    EXPECT_EQ(backwards.currentFrame, 0);
    EXPECT_EQ(backwards.elapsed, 0);
}
