#include "world/grid_player_mover.h"

#include "world/blood_particles.h"
#include "world/cell_grid.h"
#include "world/player.h"
#include "world/world_state.h"
#include "world/zombie.h"

namespace {
constexpr float kStep = 0.75f;
constexpr float kPlayerW = 4.0f;
constexpr float kPlayerH = 13.0f;
constexpr float kZombieW = 7.0f;
constexpr float kZombieH = 13.0f;
constexpr float kSqueezeDamage = 0.05f;

// Truncates toward zero, keeping far-off values where an int can hold them
// (NaN counts as far to the left).
int truncated(float v)
{
    if (!(v > -1.0e6f)) {
        return -1000000;
    }
    if (v > 1.0e6f) {
        return 1000000;
    }
    return static_cast<int>(v);
}

int minOfInt(int a, int b)
{
    return a < b ? a : b;
}

bool below(int index, float limit)
{
    return static_cast<float>(index) < limit;
}

bool atLeast(int index, float limit)
{
    return static_cast<float>(index) >= limit;
}
}  // namespace

GridPlayerMover::GridPlayerMover(CellGrid *grid) : grid_(grid) {}

std::vector<Zombie *> zombiesNear(Vec2 topLeft, Vec2 bottomRight)
{
    std::vector<Zombie *> near;
    for (const std::unique_ptr<Zombie> &z : world.zombies) {
        const Vec2 p = z->position;
        if (p.y > topLeft.y - kZombieH && p.y < bottomRight.y && p.x > topLeft.x - kZombieW
            && p.x < bottomRight.x) {
            near.push_back(z.get());
        }
    }
    return near;
}

Zombie *pickZombie(Vec2 topLeft, Vec2 bottomRight, const std::vector<Zombie *> &list, ZombieRule rule,
                   const Zombie *except)
{
    Zombie *best = nullptr;
    for (Zombie *z : list) {
        if (z == except) {
            continue;
        }
        const Vec2 p = z->position;
        if (!(p.y > topLeft.y - 15.0f && p.y < bottomRight.y && p.x > topLeft.x - kZombieW
              && p.x < bottomRight.x)) {
            continue;
        }
        if (best == nullptr) {
            best = z;
            continue;
        }
        const Vec2 b = best->position;
        bool better = false;
        switch (rule) {
        case ZombieRule::GreatestX: better = p.x > b.x; break;
        case ZombieRule::SmallestX: better = p.x < b.x; break;
        case ZombieRule::SmallestY: better = p.y < b.y; break;
        case ZombieRule::GreatestY: better = p.y > b.y; break;
        }
        if (better) {
            best = z;
        }
    }
    return best;
}

// The scans clip their ranges to the grid: what lies outside holds no
// cells, so a body far outside the world finds nothing there.
CellPoint GridPlayerMover::findSolidAcross(Vec2 topLeft, Vec2 bottomRight, int dir) const
{
    const int width = grid_->width();
    const int height = grid_->height();
    const int firstRow = maxOf(truncated(topLeft.y), 0);
    auto solidInColumn = [&](int column) {
        for (int row = firstRow; row < height && below(row, bottomRight.y); ++row) {
            const Cell *cell = grid_->rawSlot(column, row).get();
            if (cell != nullptr && cell->kind() == Solid) {
                return row;
            }
        }
        return -1;
    };
    if (dir < 0) {
        for (int column = minOfInt(truncated(bottomRight.x - 1.0f), width - 1);
             column >= 0 && atLeast(column, topLeft.x); --column) {
            const int row = solidInColumn(column);
            if (row >= 0) {
                return CellPoint{column, row};
            }
        }
    } else if (dir > 0) {
        for (int column = maxOf(truncated(topLeft.x), 0); column < width && below(column, bottomRight.x);
             ++column) {
            const int row = solidInColumn(column);
            if (row >= 0) {
                return CellPoint{column, row};
            }
        }
    }
    return CellPoint{};
}

CellPoint GridPlayerMover::findSolidAlong(Vec2 topLeft, Vec2 bottomRight, int dir) const
{
    const int width = grid_->width();
    const int height = grid_->height();
    const int firstColumn = maxOf(truncated(topLeft.x), 0);
    auto solidInRow = [&](int row) {
        for (int column = firstColumn; column < width && below(column, bottomRight.x); ++column) {
            const Cell *cell = grid_->rawSlot(column, row).get();
            if (cell != nullptr && cell->kind() == Solid) {
                return column;
            }
        }
        return -1;
    };
    if (dir <= 0) {
        for (int row = minOfInt(truncated(bottomRight.y), height - 1); row >= 0 && atLeast(row, topLeft.y);
             --row) {
            const int column = solidInRow(row);
            if (column >= 0) {
                return CellPoint{column, row};
            }
        }
    } else {
        for (int row = maxOf(truncated(topLeft.y), 0); row < height && below(row, bottomRight.y); ++row) {
            const int column = solidInRow(row);
            if (column >= 0) {
                return CellPoint{column, row};
            }
        }
    }
    return CellPoint{};
}

int GridPlayerMover::measureDepth(Vec2 topLeft) const
{
    const int width = grid_->width();
    const int height = grid_->height();
    const int firstColumn = maxOf(truncated(topLeft.x), 0);
    int depth = 0;
    for (int row = maxOf(truncated(topLeft.y), 0); row < height && below(row, topLeft.y + kPlayerH); ++row) {
        int blood = 0;
        for (int column = firstColumn; column < width && below(column, topLeft.x + kPlayerW); ++column) {
            const Cell *cell = grid_->rawSlot(column, row).get();
            if (cell != nullptr && cell->kind() == Blood) {
                ++blood;
            }
        }
        if (blood > 2) {
            ++depth;
        }
    }
    return depth;
}

void GridPlayerMover::spawnSplash(int x, int y, Vec2 velocity, bool keepBlood)
{
    spawnSplashParticle(*grid_, x, y, velocity, !keepBlood);
}

void GridPlayerMover::move(Player &player)
{
    const float ox = player.position().x;
    const float oy = player.position().y;
    Vec2 v = player.velocity();
    Vec2 hand = player.handPoint();
    bool onGround = player.onGround();

    float nx = ox + kStep * v.x;
    hand.x += kStep * v.x;
    float ny = oy;

    // Zombies the step could reach, gathered once for every test below.
    const Vec2 sweptTopLeft(minOf(ox, nx), minOf(oy, ny));
    const Vec2 sweptBottomRight(maxOf(ox, nx) + kPlayerW, maxOf(oy, ny) + kPlayerH);
    const std::vector<Zombie *> near =
        zombiesNear(sweptTopLeft - Vec2(4.0f, 1.0f), sweptBottomRight + Vec2(4.0f, 1.0f));

    if (v.x < 0.0f) {
        if (!near.empty()) {
            Zombie *h = pickZombie(Vec2(nx, oy + 1.0f), Vec2(ox + 4.0f, oy + 10.0f), near, ZombieRule::GreatestX);
            if (h != nullptr) {
                if (nx > h->position.x) {
                    // Push it along.
                    h->velocity.x -= kStep * 0.5f;
                    nx = h->position.x + kZombieW;
                    v.x = 0.0f;
                    h->contact(player, hand);
                } else {
                    // Squeezed only between h and a second zombie.
                    Zombie *m = pickZombie(Vec2(ox - 2.0f, oy + 1.0f), Vec2(ox - 1.0f, oy + 10.0f), near,
                                           ZombieRule::SmallestX, h);
                    if (m != nullptr) {
                        nx = ox;
                        v.x = 0.0f;
                        h->playAttack();
                        m->playAttack();
                        player.damage(kSqueezeDamage);
                    }
                }
            }
        }
        if (nx < 2.0f) {
            nx = 2.0f;
            v.x = 0.0f;
        }
    } else if (v.x > 0.0f) {
        if (!near.empty()) {
            Zombie *h = pickZombie(Vec2(ox, oy + 1.0f), Vec2(nx + 4.0f, oy + 10.0f), near, ZombieRule::SmallestX);
            if (h != nullptr) {
                if (nx < h->position.x) {
                    h->velocity.x += kStep * 0.5f;
                    nx = h->position.x - kPlayerW;
                    v.x = 0.0f;
                    h->contact(player, hand);
                } else {
                    Zombie *m = pickZombie(Vec2(ox + 5.0f, oy + 1.0f), Vec2(ox + 5.0f, oy + 10.0f), near,
                                           ZombieRule::SmallestX, h);
                    if (m != nullptr) {
                        nx = ox;
                        v.x = 0.0f;
                        h->playAttack();
                        m->playAttack();
                        player.damage(kSqueezeDamage);
                    }
                }
            }
        }
        if (nx + kPlayerW > 254.0f) {
            nx = 250.0f;
            v.x = 0.0f;
        }
    } else {
        if (!near.empty()) {
            Zombie *h = pickZombie(Vec2(ox, oy + 1.0f), Vec2(nx + 4.0f, oy + 10.0f), near, ZombieRule::GreatestY);
            if (h != nullptr) {
                // Carried along beside it.
                v.x += kStep * 1.1f * h->velocity.x;
                nx = h->position.x < nx ? h->position.x + kZombieW + 0.1f : h->position.x - kPlayerW - 0.1f;
                h->contact(player, hand);
            }
        }
        if (nx < 2.0f) {
            nx = 2.0f;
            v.x = 0.0f;
        }
        if (nx + kPlayerW > 254.0f) {
            nx = 250.0f;
            v.x = 0.0f;
        }
    }

    // Walls: only the top 10 rows count, so the body walks over low ledges.
    if (nx > ox) {
        const CellPoint wall = findSolidAcross(Vec2(ox + 4.0f, oy), Vec2(nx + 4.0f, oy + 10.0f), 1);
        if (wall.found()) {
            nx = static_cast<float>(wall.x) - kPlayerW;
            v.x = 0.0f;
        }
    }
    if (nx < ox) {
        const CellPoint wall = findSolidAcross(Vec2(nx - 1.0f, oy), Vec2(ox, oy + 10.0f), -1);
        if (wall.found()) {
            nx = static_cast<float>(wall.x + 1);
            v.x = 0.0f;
        }
    }

    ny = oy + kStep * v.y;
    hand.y += kStep * v.y;

    if (v.y > 0.0f) {
        bool landed = false;
        if (!near.empty()) {
            Zombie *t = pickZombie(Vec2(nx + 1.9f, oy), Vec2(nx + 2.1f, ny + 13.0f), near, ZombieRule::SmallestY);
            if (t != nullptr) {
                if (ny + 0.5f < t->position.y) {
                    ny = t->position.y - kPlayerH;
                    v.y = 0.1f;
                    onGround = true;
                    landed = true;
                }
                t->contact(player, hand);
            }
        }
        if (ny + kPlayerH > 254.0f) {
            ny = 241.0f;
            v.y = 1.0f;
            onGround = true;
            landed = true;
        }
        const CellPoint ground = findSolidAlong(Vec2(nx, oy + 13.0f), Vec2(nx + kPlayerW, ny + 13.5f), 1);
        if (ground.found()) {
            ny = static_cast<float>(ground.y) - kPlayerH;
            v.y = 0.1f;
            onGround = true;
            landed = true;
        }
        if (player.swimming()) {
            if (landed) {
                v.y = 0.0f;
            } else {
                onGround = false;
            }
        } else if (!landed) {
            v.y += kStep * 0.5f;
            onGround = false;
        }
    } else {
        if (v.y < 0.0f) {
            if (ny < 1.0f) {
                ny = 1.0f;
                v.y = 0.0f;
            }
            const CellPoint ceiling = findSolidAlong(Vec2(nx, ny), Vec2(nx + kPlayerW, oy), -1);
            if (ceiling.found()) {
                ny = static_cast<float>(ceiling.y + 1);
                v.y = 0.0f;
            }
        }
        if (!player.swimming()) {
            v.y += kStep * 0.5f;
            onGround = false;
        }
    }

    player.setPosition(Vec2(nx, ny));
    player.setVelocity(v);
    player.setOnGround(onGround);
    player.setDepth(measureDepth(player.position()));
}
