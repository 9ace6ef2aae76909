#include "formats/animation.h"

#include <gtest/gtest.h>

namespace {

Animation fourFrames(bool loop)
{
    Animation a;
    a.frames = {Rect{0, 0, 8, 8}, Rect{8, 0, 8, 8}, Rect{16, 0, 8, 8}, Rect{24, 0, 8, 8}};
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
    // Many laps in one call, without overflowing.
    b.advance(2'000'000'000);
    EXPECT_EQ(b.currentFrame, (2'000'000'010 / 30) % 4);
}

TEST(Animation, non_looping_stops_on_the_last_frame)
{
    Animation a = fourFrames(false);
    a.advance(95);
    EXPECT_TRUE(a.playing);
    a.advance(1000);
    EXPECT_EQ(a.currentFrame, 3);
    EXPECT_FALSE(a.playing);
}

TEST(Animation, unplayable_animation_stays_put)
{
    Animation empty;
    Animation still = fourFrames(true);
    still.FrameLength = 0;
    Animation backwards = fourFrames(true);
    for (Animation *a : {&empty, &still}) {
        EXPECT_FALSE(a->playable());
        a->advance(100);
        EXPECT_EQ(a->currentFrame, 0);
    }
    backwards.advance(-100);
    EXPECT_EQ(backwards.currentFrame, 0);
}
