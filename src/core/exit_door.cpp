#include "core/exit_door.h"

#include "core/collectables.h"
#include "gfx/sprite.h"
#include "world/game_events.h"
#include "world/world_state.h"

bool pointInRect(const Rect &rect, float x, float y)
{
    // Edges in double, so that no rectangle overflows in 32 bits.
    const double left = rect.x;
    const double top = rect.y;
    return left <= x && x < left + rect.w && top <= y && y < top + rect.h;
}

bool updateExitDoor(bool &doorOpen, Sprite *doorSprite, Vec2 playerCentre)
{
    if (world.collectables.empty() && !doorOpen) {
        doorOpen = true;
        reportGameEvent(GameEventKind::DoorOpened, Vec2(world.doorRect.x, world.doorRect.y));
        if (doorSprite != nullptr) {
            doorSprite->play("door_open");
        }
    }
    return doorOpen && pointInRect(world.doorRect, playerCentre.x, playerCentre.y);
}
