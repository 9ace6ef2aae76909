#include "core/zombie_strikes.h"

#include "core/exit_door.h"
#include "gfx/sprite.h"
#include "gfx/video.h"
#include "world/blood_particles.h"
#include "world/game_events.h"
#include "world/player.h"
#include "world/random.h"
#include "world/world_state.h"
#include "world/zombie.h"

#include <cstdlib>
#include <utility>

void sprayStrike(CellGrid &grid, Vec2 hand, Vec2 playerPosition, float throttle)
{
    int wetCount = static_cast<int>(20.0f * throttle);
    if (wetCount < 2) {
        wetCount = 2;
    }
    const int dryCount = static_cast<int>(40.0f * throttle);
    int modulus = static_cast<int>(20.0f * throttle + 7.0f);
    if (modulus < 1) {
        modulus = 1;  // only a throttle far below zero gets here
    }
    const Vec2 corner(playerPosition.x, playerPosition.y + 13.0f);
    Vec2 base = (hand - corner).normalized() * ((0.5f * throttle + 0.75f) * 4.0f);
    const int x = static_cast<int>(hand.x);
    const int y = static_cast<int>(hand.y);

    // base itself turns, so each particle's direction continues from the
    // previous one's and a wild splash turns the rest of the strike.
    for (int i = 0; i < wetCount; ++i) {
        Vec2 velocity;
        if (nextRandomInteger() % modulus == 3) {
            base.rotate(randomFloat(-1.34f, 1.34f));
            velocity = base * randomFloat(0.25f, 1.15f);
        } else {
            base.rotate(randomFloat(-0.07f, 0.07f));
            velocity = base * randomFloat(0.85f, 1.15f);
        }
        spawnSpray(grid, x, y, velocity, false);
    }
    for (int i = 0; i < dryCount; ++i) {
        base.rotate(randomFloat(-0.07f, 0.07f));
        const Vec2 velocity = base * randomFloat(0.85f, 1.15f);
        spawnSpray(grid, x, y, velocity, true);
    }
}

void updateZombies(Player &player, CellGrid &grid)
{
    const Vec2 hand = player.handPoint();
    const float throttle = player.throttle();
    const Rect window{camera.x - 14, camera.y - 13, camera.w + 21, camera.h + 14};
    for (std::size_t i = 0; i < world.zombies.size();) {
        Zombie &zombie = *world.zombies[i];
        if (!pointInRect(window, zombie.position.x, zombie.position.y)) {
            ++i;
            continue;
        }
        zombie.update();
        if (zombie.touches(hand) && !zombie.dead) {
            zombie.shredReaction();
            zombie.damage((0.32f * throttle + 0.01f) * 0.1f);
            reportGameEvent(GameEventKind::ZombieStruck, hand, throttle);
            sprayStrike(grid, hand, player.position(), throttle);
        }
        if (zombie.dead) {
            reportGameEvent(GameEventKind::ZombieKilled, zombie.position + Vec2(3.5f, 6.5f));
            std::swap(world.zombies[i], world.zombies.back());
            world.zombies.pop_back();
            continue;  // the moved zombie is examined in this slot
        }
        if (Sprite *sprite = zombie.sprite()) {
            sprite->setTopLeft(static_cast<int>(zombie.position.x), static_cast<int>(zombie.position.y + 1.0f));
            sprite->draw(video.world.get());
        }
        ++i;
    }
}
