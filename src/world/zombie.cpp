#include "world/zombie.h"

#include "gfx/picture_cache.h"
#include "gfx/sprite.h"
#include "world/cell_grid.h"
#include "world/player_controls.h"
#include "world/random.h"
#include "world/world_state.h"

namespace {
constexpr int kWalkLeft = 1;
constexpr int kWalkRight = -1;
constexpr float kWalkSpeed = 0.25f;
constexpr float kFriction = 0.03f;
// Steps of contact before a lunge, and steps a lunge lasts.
constexpr int kPatience = 5;
constexpr float kLungeDamage = 0.05f;

bool solidAt(const CellGrid &grid, int x, int y)
{
    const Cell *cell = grid.cellAt(x, y);
    return cell != nullptr && cell->kind() == Solid;
}
}  // namespace

Zombie::Zombie(Vec2 start, float left, float right, float startHealth)
    : position(start), leftBound(left), rightBound(right), health(startHealth),
      sprite_(std::make_unique<Sprite>())
{
    sprite_->setImage(sharedPicture(kZombiePictureFile));
    play("z_walk_left");
    setDirection(randomIntBelow(0, 2) == 1 ? kWalkLeft : kWalkRight);
}

Zombie::~Zombie() = default;

void Zombie::update()
{
    if (dead) {
        return;
    }
    if (lunging) {
        ++lungeTimer;
        if (lungeTimer > kPatience) {
            lungeTimer = 0;
            lunging = false;
        }
    }
    if (attacking) {
        ++attackTimer;
    } else {
        attackTimer = 0;
    }
    if (attackTimer > kPatience) {
        attackTimer = 0;
        velocity.x *= 3.0f;
        lungeTimer = 0;
        lunging = true;
    }
    attacking = false;

    if (dir == kWalkRight) {
        velocity.x += 0.1f;
    } else if (dir == kWalkLeft) {
        velocity.x -= 0.1f;
    }
    const float limit = lunging ? 3.0f * kWalkSpeed : kWalkSpeed;
    velocity.x = clamp(velocity.x, -limit, limit);
    if (velocity.x > 0.0f) {
        velocity.x -= kFriction;
        if (velocity.x < 0.0f) {
            velocity.x = 0.0f;
        }
    } else if (velocity.x < 0.0f) {
        velocity.x += kFriction;
        if (velocity.x > 0.0f) {
            velocity.x = 0.0f;
        }
    }

    if (position.x + velocity.x < leftBound) {
        position.x = leftBound;
        velocity.x = 0.0f;
        setDirection(kWalkRight);
    }
    if (position.x + velocity.x > rightBound) {
        position.x = rightBound;
        velocity.x = 0.0f;
        setDirection(kWalkLeft);
    }
    position += velocity;
}

void Zombie::setDirection(int d)
{
    if (d == dir) {
        return;
    }
    dir = d;
    if (d == kWalkLeft) {
        play("z_walk_left");
    } else if (d == kWalkRight) {
        play("z_walk_right");
    }
}

void Zombie::playAttack()
{
    if (dir == kWalkLeft) {
        play("z_attack_left");
    } else if (dir == kWalkRight) {
        play("z_attack_right");
    }
}

bool Zombie::touches(Vec2 point) const
{
    return (position + Vec2(3.5f, 3.5f) - point).length() < 7.0f;
}

void Zombie::contact(PlayerControls &player, Vec2 point)
{
    const bool free = !touches(point);
    // A push added to the velocity just before moves the zombie at once.
    position += velocity;
    velocity.x = 0.0f;

    const float playerX = player.position().x;
    if (playerX < position.x) {
        setDirection(kWalkLeft);
    } else if (playerX > position.x) {
        setDirection(kWalkRight);
    }

    // A zombie with the lawnmower on it is too busy to attack.
    if (free) {
        attacking = true;
        playAttack();
        if (lunging) {
            player.damage(kLungeDamage);
            lunging = false;
            lungeTimer = 0;
        }
    } else {
        attacking = false;
    }
}

void Zombie::shredReaction()
{
    ++shakeCount;
    playAttack();
    if (shakeCount % 6 == 1) {
        position.x += static_cast<float>(dir);
    } else if (shakeCount % 6 == 0) {
        position.x -= static_cast<float>(dir);
    }
}

void Zombie::damage(float amount)
{
    health -= amount;
    if (health < 0.0f) {
        dead = true;
    }
}

void Zombie::play(const std::string &name)
{
    animationName_ = name;
    sprite_->play(name);
}

void spawnZombie(CellGrid &grid, int x, int y, float health)
{
    // A point outside the grid would read clamped slots of another place.
    if (x < 0 || x >= grid.width() || y < 0 || y >= grid.height()) {
        return;
    }
    // Drop down the column to the first ground.
    int ground = y;
    while (ground < grid.height() - 1 && !solidAt(grid, x, ground + 1)) {
        ++ground;
    }
    if (!solidAt(grid, x, ground + 1)) {
        return;
    }
    // Walk both ways along the ground until a gap or a wall.
    int left = x;
    while (left > 1 && solidAt(grid, left - 1, ground + 1) && !solidAt(grid, left - 1, ground)) {
        --left;
    }
    int right = x;
    while (right < grid.width() - 1 && solidAt(grid, right + 1, ground + 1)
           && !solidAt(grid, right + 1, ground)) {
        ++right;
    }
    const int rightEnd = maxOf(right - 7, left);
    world.zombies.push_back(std::make_unique<Zombie>(Vec2(x, ground - 12), static_cast<float>(left),
                                               static_cast<float>(rightEnd), health));
}
