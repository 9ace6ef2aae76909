// Zombie: a 7 x 13 walker that patrols the platform it was placed on,
// faces and attacks the player it touches, lunges after a moment of
// contact and is shredded by the lawnmower. Zombies never fall.
#pragma once

#include "world/vec2.h"

#include <memory>
#include <string>
#include <vector>

class CellGrid;

inline constexpr const char *kZombiePictureFile = "data/gfx/zombie_sprite.png";
class PlayerControls;
class Sprite;

class Zombie {
public:
    // Patrols [leftBound, rightBound] from position, walking a random way.
    Zombie(Vec2 position, float leftBound, float rightBound, float health);
    Zombie(const Zombie &) = delete;
    Zombie &operator=(const Zombie &) = delete;
    ~Zombie();

    // One step: lunge and attack timers, walk, patrol ends.
    void update();
    // 1 walks left, -1 walks right; a change shows the matching walk.
    void setDirection(int d);
    void playAttack();
    // True when point lies within 7 of the middle of the head.
    bool touches(Vec2 point) const;
    // The player's body met this zombie; point is where the lawnmower is.
    void contact(PlayerControls &player, Vec2 point);
    // Shakes and attacks while the lawnmower is on it.
    void shredReaction();
    void damage(float amount);

    // The animation last asked of the sprite.
    const std::string &animationName() const { return animationName_; }
    Sprite *sprite() const { return sprite_.get(); }

    bool dead = false;
    Vec2 position;
    Vec2 velocity;
    bool lunging = false;
    int lungeTimer = 0;
    bool attacking = false;
    int attackTimer = 0;
    float leftBound = 0.0f;
    float rightBound = 250.0f;
    // Neither way until the constructor picks one.
    int dir = -1039;
    float health = 1.0f;
    int shakeCount = 0;

private:
    void play(const std::string &name);

    std::unique_ptr<Sprite> sprite_;
    std::string animationName_;
};

// Every zombie of the level, owned here; emptied at every level load.

// A zombie dropped from (x, y) onto the ground below, patrolling the
// stretch of ground it lands on; none when no ground is below.
void spawnZombie(CellGrid &grid, int x, int y, float health);
