#include "core/game_messages.h"

#include "gfx/video.h"
#include "platform/clock.h"

void updateGameMessages(std::vector<std::unique_ptr<GameMessage>> &messages, Vec2 point)
{
    for (const std::unique_ptr<GameMessage> &message : messages) {
        if (message != nullptr) {
            updateGameMessage(*message, point);
        }
    }
}

void updateGameMessage(GameMessage &gameMessage, Vec2 point)
{
    GameMessage *message = &gameMessage;
    {
        if (message->sprite == nullptr) {
            return;
        }
        Sprite &sprite = *message->sprite;
        // The clock of a timed message starts when its level file was read.
        if (message->Timed && gameclock::now() - message->created > message->HowLong) {
            message->animationName = message->TimedEvent;
            sprite.play(message->animationName);
            message->Timed = false;
        }
        const float radius = message->radius;
        if (radius * radius > (message->position - point).lengthSquared()) {
            if (!message->shown) {
                sprite.play(message->animationName);
                message->shown = true;
            }
            sprite.draw(video.world.get());
        } else {
            message->shown = false;
        }
    }
}
