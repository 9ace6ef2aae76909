#include "world/vec2.h"

#include <cmath>

float Vec2::length() const
{
    return static_cast<float>(std::sqrt(static_cast<double>(lengthSquared())));
}

Vec2 Vec2::normalized() const
{
    const float len = length();
    if (len > 0.0f) {
        return Vec2(x / len, y / len);
    }
    return Vec2();
}

void Vec2::rotate(float angle)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float nx = c * x - s * y;
    const float ny = c * y + s * x;
    x = nx;
    y = ny;
}

float Vec2::angle() const
{
    const Vec2 n = normalized();
    return std::atan2(n.y, n.x);
}

float minOf(float a, float b) { return a < b ? a : b; }
float maxOf(float a, float b) { return a > b ? a : b; }
float clamp(float v, float lo, float hi) { return maxOf(lo, minOf(v, hi)); }
float absOf(float v) { return maxOf(v, -v); }
int absOf(int v) { return v < 0 ? -v : v; }
int maxOf(int a, int b) { return a > b ? a : b; }
