#include "world/vec2.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Vec2, zero_vector_normalizes_and_angles_to_zero)
{
    const Vec2 zero;
    EXPECT_EQ(zero.normalized(), Vec2(0.0f, 0.0f));
    EXPECT_EQ(zero.angle(), 0.0f);
}

TEST(Vec2, rotation_turns_clockwise_on_screen)
{
    Vec2 v(1.0f, 0.0f);
    v.rotate(static_cast<float>(M_PI / 2));
    EXPECT_NEAR(v.x, 0.0f, 1e-6f);
    EXPECT_NEAR(v.y, 1.0f, 1e-6f);
    EXPECT_NEAR(Vec2(0.0f, -1.0f).angle(), -M_PI / 2, 1e-6);
}

TEST(Vec2, arithmetic_and_length)
{
    Vec2 v(3, 4);
    EXPECT_FLOAT_EQ(v.length(), 5.0f);
    EXPECT_FLOAT_EQ(v.lengthSquared(), 25.0f);
    v -= Vec2(1.0f, 1.0f);
    EXPECT_EQ(v, Vec2(2.0f, 3.0f));
    EXPECT_EQ(2.0f * v, Vec2(4.0f, 6.0f));
    EXPECT_FLOAT_EQ(clamp(7.0f, 0.0f, 5.0f), 5.0f);
    EXPECT_EQ(absOf(-3), 3);
}
