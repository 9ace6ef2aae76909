#include "core/lawnmower.h"

#include "gfx/sprite.h"
#include "gfx/video.h"
#include "world/player.h"
#include "world/random.h"

void drawLawnmower(const Player &player, Sprite &lawnmower)
{
    const float throttle = player.throttle();
    float angle = player.aimAngle();
    Vec2 point = player.handPoint();
    if (throttle > 0.1f) {
        if (throttle > 0.5f) {
            angle += randomFloat(-0.05f * throttle, 0.05f * throttle);
        }
        Vec2 arm(randomFloat(1.0f - 0.2f * throttle, 1.0f + 0.2f * throttle) * 6.5f, 0.0f);
        arm.rotate(angle);
        point = player.centre() + arm;
    }
    lawnmower.setAngle(angle);
    lawnmower.setCenter(static_cast<int>(point.x), static_cast<int>(point.y));
    lawnmower.draw(video.world.get());
}
