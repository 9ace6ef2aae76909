// Game messages in play: each shows its sprite while the given point (the
// player's centre) is within its radius, and a timed one switches to its
// timed animation once its delay has passed.
#pragma once

#include "formats/game_message.h"
#include "world/vec2.h"

#include <memory>
#include <vector>

// One frame of every message, in list order.
void updateGameMessages(std::vector<std::unique_ptr<GameMessage>> &messages, Vec2 point);

// One frame of one message, given the point that triggers it.
void updateGameMessage(GameMessage &message, Vec2 point);
