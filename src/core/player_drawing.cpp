#include "core/player_drawing.h"

#include "gfx/pixel_ops.h"
#include "gfx/sprite.h"
#include "gfx/video.h"
#include "world/player.h"

namespace {
constexpr std::uint32_t rearArmColor = 0xFFAC8680u;
constexpr std::uint32_t frontArmColor = 0xFFECB7AEu;
}  // namespace

void drawPlayer(Player &player, Sprite *playerSprite)
{
    const Vec2 centre = player.centre();
    Vec2 rearArm(1.0f, 7.0f);
    rearArm.rotate(player.aimAngle());
    drawWorldLine(centre, centre + rearArm, rearArmColor, 5);

    if (playerSprite != nullptr) {
        const Vec2 position = player.position();
        playerSprite->setTopLeft(static_cast<int>(position.x), static_cast<int>(position.y));
        playerSprite->play(player.animationName());
        playerSprite->draw(video.world.get());
    }

    drawWorldLine(centre, player.handPoint(), frontArmColor, 4);
}
