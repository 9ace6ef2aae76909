// A PlayerControls that writes down every call, for tests of input code.
#pragma once

#include "world/player_controls.h"

#include <string>
#include <vector>

struct RecordingControls : PlayerControls {
    void damage(float) override { calls.push_back("damage"); }
    void setThrottle(float value) override { throttle = value; calls.push_back("throttle"); }
    void setAimAngle(float angle) override { aim = angle; calls.push_back("aim"); }
    void press(Direction d) override { calls.push_back("press " + std::to_string(static_cast<int>(d))); }
    void release(Direction d) override { calls.push_back("release " + std::to_string(static_cast<int>(d))); }
    Vec2 position() const override { return Vec2(); }

    std::vector<std::string> calls;
    float throttle = -1.0f;
    float aim = 99.0f;
};
