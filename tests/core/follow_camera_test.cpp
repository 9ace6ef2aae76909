#include "core/follow_camera.h"
#include "gfx/video.h"

#include <gtest/gtest.h>

namespace {

class FollowCamera : public ::testing::Test {
protected:
    void SetUp() override { camera = Rect{0, 0, 64, 48}; }
    void TearDown() override { camera = Rect{}; }
};

}  // namespace

TEST_F(FollowCamera, centring_clamps_to_the_world)
{
    followCamera(10, 100, false);
    EXPECT_EQ(camera.x, 0);
    followCamera(250, 100, false);
    EXPECT_EQ(camera.x, 192);
    followCamera(100, 246, false);
    EXPECT_EQ(camera.y, 208);
    followCamera(100, 100, false);
    EXPECT_EQ(camera, (Rect{68, 76, 64, 48}));
}

TEST_F(FollowCamera, dead_zone_is_12_across_and_17_down)
{
    followCamera(100, 100, false);  // centre (100, 100)
    followCamera(112, 117, true);
    EXPECT_EQ(camera.x, 68);
    EXPECT_EQ(camera.y, 76);
    followCamera(113, 118, true);
    EXPECT_EQ(camera.x + 32, 113 - 12);
    EXPECT_EQ(camera.y + 24, 118 - 17);
    followCamera(50, 40, true);
    EXPECT_EQ(camera.x + 32, 50 + 12);
    EXPECT_EQ(camera.y + 24, 40 + 17);
}

TEST_F(FollowCamera, view_wider_than_the_world_gets_a_negative_origin)
{
    camera = Rect{0, 0, 300, 48};
    followCamera(10, 10, false);
    EXPECT_EQ(camera.x, -44);
}
