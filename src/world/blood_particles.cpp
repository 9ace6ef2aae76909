#include "world/blood_particles.h"

#include "gfx/pixel_ops.h"
#include "gfx/video.h"
#include "world/cell_grid.h"
#include "world/game_events.h"
#include "world/random.h"
#include "world/world_state.h"

#include <cmath>
#include <cstdlib>
#include <utility>

const Vec2 gravity(0.0f, 0.5f);

namespace {

constexpr std::uint32_t particleColor = 0xFFBF0000u;

bool insideGrid(const CellGrid &grid, int x, int y)
{
    return x >= 0 && y >= 0 && x < grid.width() && y < grid.height();
}

int clampColumn(int x, int lo, int hi)
{
    return x < lo ? lo : (x > hi ? hi : x);
}

BloodParticle &addParticle(CellGrid &grid, int x, int y, Vec2 velocity)
{
    auto particle = std::make_unique<BloodParticle>();
    particle->grid = &grid;
    particle->position = Vec2(x, y);
    particle->velocity = velocity;
    world.particles.push_back(std::move(particle));
    return *world.particles.back();
}

}  // namespace

void spawnSpray(CellGrid &grid, int x, int y, Vec2 velocity, bool dry)
{
    // Sprays near the world's sides are turned inward so they never fly out.
    if ((x <= 10 && velocity.x < 0.0f) || (x >= 240 && velocity.x > 0.0f)) {
        velocity.x = -velocity.x;
    }
    BloodParticle &particle = addParticle(grid, x, y, velocity);
    particle.makesBlood = !dry;
    particle.inBlood = grid.cellAt(x, y) != nullptr;
}

void spawnSplashParticle(CellGrid &grid, int x, int y, Vec2 velocity, bool takeBlood)
{
    bool tookBlood = false;
    if (takeBlood) {
        // Search a widening cone below the surface point for a blood cell to lift.
        for (int i = 0; i < 10; ++i) {
            const int r = i / 2;
            const int column = x + randomInt(-r, r);
            const int row = y + r + 1;
            if (!insideGrid(grid, column, row)) {
                continue;
            }
            const Cell *cell = grid.rawSlot(column, row).get();
            if (cell != nullptr && cell->kind() == Blood) {
                grid.removeCell(column, row);
                tookBlood = true;
                break;
            }
        }
    }
    BloodParticle &particle = addParticle(grid, x, y, velocity);
    particle.makesBlood = tookBlood;
    particle.piercing = false;
}

void spawnDroplet(CellGrid &grid, int x, int y, Vec2 velocity)
{
    BloodParticle &particle = addParticle(grid, x, y, velocity);
    particle.makesBlood = false;
}

void stepParticle(BloodParticle &particle)
{
    CellGrid &grid = *particle.grid;
    const Vec2 velocity = particle.velocity;
    const float len = particle.piercing ? velocity.length()
                                        : maxOf(absOf(velocity.x), absOf(velocity.y));
    if (!std::isfinite(len)) {
        particle.dead = true;  // a broken velocity would never leave the world
        return;
    }
    Vec2 dir;
    if (len > 0.0f) {
        dir = Vec2(velocity.x / len, velocity.y / len);
    }
    float n = len * 0.65f;
    if (particle.inBlood) {
        n *= 0.5f;
    }
    const auto width = static_cast<float>(grid.width());
    const auto height = static_cast<float>(grid.height());
    for (int c = 0; static_cast<float>(c) < n; ++c) {
        particle.position += dir;
        const Vec2 p = particle.position;
        if (p.x < 0.0f || p.y < 0.0f || p.x >= width || p.y >= height) {
            particle.dead = true;
            break;
        }
        const int x = static_cast<int>(p.x);
        const int y = static_cast<int>(p.y);
        const Cell *cell = grid.rawSlot(x, y).get();
        if (!particle.inBlood) {
            if (cell != nullptr && cell->state() == Resting) {
                particle.dead = true;
                if (!particle.makesBlood) {
                    return;  // a dry droplet just vanishes
                }
                depositBlood(grid, x, y, particle.velocity);
                if (!particle.piercing) {
                    break;
                }
            }
        } else if (cell == nullptr || cell->kind() != Blood) {
            particle.inBlood = false;
        }
    }
    particle.velocity += gravity * (particle.inBlood ? 0.25f : 0.65f);
}

void depositBlood(CellGrid &grid, int x, int y, Vec2 velocity)
{
    bool placed = false;
    if (grid.slot(x, y) == nullptr) {
        grid.placeBlood(x, y);
        reportGameEvent(GameEventKind::BloodLanded, Vec2(x, y));
        placed = true;
    } else {
        // Walk back along the path, spreading a little wider each step.
        Vec2 q(x, y);
        const Vec2 d = velocity.normalized();
        for (int i = 0; i < 10; ++i) {
            q -= d;
            const float r = static_cast<float>(i) * 0.25f;
            const float tx = q.x + randomFloat(-r, r);
            const float ty = q.y + randomFloat(-r, r);
            const int column = static_cast<int>(tx);
            const int row = static_cast<int>(ty);
            // Spots outside the world are passed over rather than clamped
            // onto a slot somewhere else.
            if (insideGrid(grid, column, row) && grid.rawSlot(column, row) == nullptr) {
                grid.placeBlood(column, row);
                reportGameEvent(GameEventKind::BloodLanded, Vec2(column, row));
                placed = true;
                break;
            }
        }
    }
    // Now and then blood with nowhere to go is put on top of what was hit.
    if (!placed && nextRandomInteger() % 5 == 1) {
        const int lo = 3;
        const int hi = grid.width() - 3;
        x = clampColumn(x, lo, hi);
        for (int row = y; row > 0; --row) {
            x = clampColumn(x + randomInt(-1, 1), lo, hi);
            if (grid.slot(x, row) == nullptr) {
                grid.placeBlood(x, row);
                reportGameEvent(GameEventKind::BloodLanded, Vec2(x, row));
                break;
            }
        }
    }
    const int throwBack = randomIntBelow(2, 7);
    for (int i = 0; i < throwBack; ++i) {
        Vec2 v = velocity * -randomFloat(0.05f, 0.25f);
        v.rotate(randomFloat(-1.0f, 1.0f));
        spawnDroplet(grid, x, y, v);
    }
}

void updateParticles()
{
    SDL_Surface *target = video.world.get();
    for (std::size_t i = 0; i < world.particles.size();) {
        // Impacts append droplets, which may move the vector but not the particle.
        BloodParticle &particle = *world.particles[i];
        stepParticle(particle);
        if (particle.dead) {
            std::swap(world.particles[i], world.particles.back());
            world.particles.pop_back();
            continue;  // the slot now holds another particle
        }
        if (target != nullptr) {
            blendWorldPixel(target, static_cast<int>(particle.position.x),
                            static_cast<int>(particle.position.y), particleColor);
        }
        ++i;
    }
}
