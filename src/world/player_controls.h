// PlayerControls: what input devices and zombies may do to the avatar:
// hurt it, aim and run its lawnmower, hold and release directions, and
// ask where it is.
#pragma once

#include "world/direction.h"
#include "world/vec2.h"

class PlayerControls {
public:
    virtual ~PlayerControls() = default;
    virtual void damage(float amount) = 0;
    virtual void setThrottle(float value) = 0;
    virtual void setAimAngle(float angle) = 0;
    virtual void press(Direction d) = 0;
    virtual void release(Direction d) = 0;
    // Top-left of the avatar's 4 x 13 box.
    virtual Vec2 position() const = 0;
};
