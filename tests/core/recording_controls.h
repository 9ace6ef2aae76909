// A PlayerControls that writes down every call, for tests of input code.
#pragma once

#include "world/player_controls.h"

#include <string>
#include <vector>

class RecordingControls : public PlayerControls {
public:
    void damage(float amount) override { calls.push_back("damage " + std::to_string(amount)); }
    void setThrottle(float value) override
    {
        throttle = value;
        calls.push_back("throttle");
    }
    void setAimAngle(float angle) override
    {
        aim = angle;
        calls.push_back("aim");
    }
    void press(Direction d) override { calls.push_back("press " + nameOf(d)); }
    void release(Direction d) override { calls.push_back("release " + nameOf(d)); }
    Vec2 position() const override { return Vec2(); }

    static std::string nameOf(Direction d)
    {
        switch (d) {
        case Direction::Up: return "Up";
        case Direction::Down: return "Down";
        case Direction::Left: return "Left";
        case Direction::Right: return "Right";
        }
        return "?";
    }

    std::vector<std::string> calls;
    float throttle = -1.0f;
    float aim = 99.0f;
};
