#include "core/follow_camera.h"
#include "gfx/video.h"

#include <gtest/gtest.h>

TEST(FollowCamera, centres_within_the_world_then_keeps_a_12_by_17_dead_zone)
{
    camera = Rect{0, 0, 64, 48};
    followCamera(10, 100, false);
    EXPECT_EQ(camera.x, 0);
    followCamera(250, 100, false);
    EXPECT_EQ(camera.x, 192);
    followCamera(100, 246, false);
    EXPECT_EQ(camera.y, 208);
    followCamera(100, 100, false);
    EXPECT_EQ(camera, (Rect{68, 76, 64, 48}));
    // Within 12 across and 17 down of the centre the camera holds.
    followCamera(112, 117, true);
    EXPECT_EQ(camera, (Rect{68, 76, 64, 48}));
    followCamera(50, 40, true);
    EXPECT_EQ(camera, (Rect{30, 33, 64, 48}));

    // A view wider than the world gets a negative origin.
    camera = Rect{0, 0, 300, 48};
    followCamera(10, 10, false);
    EXPECT_EQ(camera.x, -44);
    camera = Rect{};
}
