// Vec2: the two-float vector every position, velocity and direction uses,
// plus the small scalar helpers of the movement code.
#pragma once

struct Vec2 {
    float x = 0.0f;
    float y = 0.0f;

    Vec2() = default;
    Vec2(float x, float y) : x(x), y(y) {}
    Vec2(int x, int y) : x(static_cast<float>(x)), y(static_cast<float>(y)) {}

    Vec2 &operator+=(Vec2 v) { x += v.x; y += v.y; return *this; }
    Vec2 &operator-=(Vec2 v) { x -= v.x; y -= v.y; return *this; }
    Vec2 operator+(Vec2 v) const { return Vec2(x + v.x, y + v.y); }
    Vec2 operator-(Vec2 v) const { return Vec2(x - v.x, y - v.y); }
    Vec2 operator*(float s) const { return Vec2(x * s, y * s); }
    bool operator==(const Vec2 &) const = default;

    float lengthSquared() const { return x * x + y * y; }
    float length() const;
    // Unit vector in the same direction; the zero vector stays zero.
    Vec2 normalized() const;
    // Turns in place; positive angles turn clockwise on screen (y grows down).
    void rotate(float angle);
    // atan2 of the normalized vector, 0 for the zero vector.
    float angle() const;
};

inline Vec2 operator*(float s, Vec2 v) { return v * s; }

float minOf(float a, float b);
float maxOf(float a, float b);
float clamp(float v, float lo, float hi);
float absOf(float v);
int absOf(int v);
int maxOf(int a, int b);
