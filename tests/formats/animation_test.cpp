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
    a.advance(130);
    EXPECT_EQ(a.currentFrame, 0);
    EXPECT_EQ(a.elapsed, 10);
    // Many laps in one call, without overflowing.
    a.advance(2'000'000'000);
    EXPECT_EQ(a.currentFrame, (2'000'000'010 / 30) % 4);
}

TEST(Animation, one_shot_stops_on_the_last_frame_and_unplayable_stays_put)
{
    Animation a = fourFrames(false);
    a.advance(95);
    EXPECT_TRUE(a.playing);
    a.advance(1000);
    EXPECT_EQ(a.currentFrame, 3);
    EXPECT_FALSE(a.playing);

    Animation empty;
    Animation still = fourFrames(true);
    still.FrameLength = 0;
    Animation backwards = fourFrames(true);
    backwards.advance(-100);
    EXPECT_EQ(backwards.currentFrame, 0);
    for (Animation *b : {&empty, &still}) {
        EXPECT_FALSE(b->playable());
        b->advance(100);
        EXPECT_EQ(b->currentFrame, 0);
    }
}
