// PlayerControls: the operations through which input devices and the game
// steer the player.
#pragma once

#include "world/direction.h"
#include "world/vec2.h"

class PlayerControls {
public:
    virtual ~PlayerControls() = default;
    virtual void damage(float amount) = 0;
    virtual void setThrottle(float value) = 0;
    virtual void setAimAngle(float angle) = 0;
    virtual void press(Direction direction) = 0;
    virtual void release(Direction direction) = 0;
    virtual Vec2 position() = 0;
};
