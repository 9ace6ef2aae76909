// PlayerMover: moves the player by one step of its velocity through the
// world, handling collisions, gravity and the blood depth, and throws the
// splash droplets the player asks for.
#pragma once

#include "world/vec2.h"

class Player;

class PlayerMover {
public:
    virtual ~PlayerMover() = default;
    // One step: position, velocity, onGround and depth of the player change.
    virtual void move(Player &player) = 0;
    // A splash droplet at (x, y); unless keepBlood, it lifts one blood cell
    // out of the pool below the point.
    virtual void spawnSplash(int x, int y, Vec2 velocity, bool keepBlood) = 0;
};
