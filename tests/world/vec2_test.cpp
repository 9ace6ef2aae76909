#include "world/vec2.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Vec2, zero_vector_is_safe_and_rotation_turns_clockwise_on_screen)
{
    EXPECT_EQ(Vec2().normalized(), Vec2(0.0f, 0.0f));
    EXPECT_EQ(Vec2().angle(), 0.0f);
    Vec2 v(1.0f, 0.0f);
    v.rotate(static_cast<float>(M_PI / 2));
    EXPECT_NEAR(v.x, 0.0f, 1e-6f);
    EXPECT_NEAR(v.y, 1.0f, 1e-6f);
}
