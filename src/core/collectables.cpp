#include "core/collectables.h"

#include "core/exit_door.h"
#include "gfx/sprite.h"
#include "gfx/video.h"
#include "platform/clock.h"
#include "world/game_events.h"
#include "world/world_state.h"

#include <cstdint>
#include <memory>

namespace {

// The one sprite all collectables are drawn with, and its bobbing phase.
struct BobbingSprite {
    std::unique_ptr<Sprite> sprite;
    int phase = 0;
    std::uint32_t lastPhaseChange = 0;
};

BobbingSprite bobbing;

// Up 2, up 3, up 2, then rest for three phases of 100 ms.
int bobOffset(int phase)
{
    switch (phase) {
    case 1:
    case 3:
        return -2;
    case 2:
        return -3;
    default:
        return 0;
    }
}

void drawCollectable(Vec2 position)
{
    if (bobbing.sprite == nullptr) {
        bobbing.sprite = std::make_unique<Sprite>();
        bobbing.sprite->setImage(video.collectableImage.get());
        bobbing.lastPhaseChange = gameclock::now();
    }
    const std::uint32_t now = gameclock::now();
    if (now - bobbing.lastPhaseChange > 100) {
        bobbing.phase += 1;
        if (bobbing.phase > 5) {
            bobbing.phase = 0;
        }
        bobbing.lastPhaseChange = now;
    }
    const int x = static_cast<int>(position.x);
    const int y = static_cast<int>(position.y);
    bobbing.sprite->setCenter(x, y + bobOffset(bobbing.phase));
    bobbing.sprite->draw(video.world.get());
}

}  // namespace

void updateCollectables(Vec2 playerCentre)
{
    const Rect window{camera.x - 5, camera.y - 7, camera.w + 10, camera.h + 14};
    for (std::size_t i = 0; i < world.collectables.size();) {
        const Vec2 c = world.collectables[i];
        if (!pointInRect(window, c.x, c.y)) {
            ++i;
            continue;
        }
        if ((c - playerCentre).lengthSquared() < 100.0f) {
            reportGameEvent(GameEventKind::GemTaken, c);
            world.collectables[i] = world.collectables.back();
            world.collectables.pop_back();
            continue;  // the moved one is examined in this slot
        }
        drawCollectable(c);
        ++i;
    }
}

void resetCollectableSprite()
{
    bobbing = BobbingSprite{};
}
