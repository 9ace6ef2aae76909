#include "core/exit_door.h"

#include "core/collectables.h"
#include "gfx/sprite.h"
#include "world/level_markers.h"

bool pointInRect(const Rect &rect, float x, float y)
{
    // Edges in double, so that no rectangle overflows in 32 bits.
    const double left = rect.x;
    const double top = rect.y;
    return left <= x && x < left + rect.w && top <= y && y < top + rect.h;
}

bool updateExitDoor(bool &doorOpen, Sprite *doorSprite, Vec2 playerCentre)
{
    if (collectables.empty() && !doorOpen) {
        doorOpen = true;
        if (doorSprite != nullptr) {
            doorSprite->play("door_open");
        }
    }
    return doorOpen && pointInRect(doorRect, playerCentre.x, playerCentre.y);
}
