#include "world/world_state.h"

#include "world/blood_particles.h"
#include "world/zombie.h"

WorldState world;

WorldState::WorldState() : grid(256, 256) {}

WorldState::~WorldState() = default;

void WorldState::clearLevel()
{
    grid.clear();
    zombies.clear();
    particles.clear();
    collectables.clear();
}

void WorldState::reset()
{
    clearLevel();
    gridSimulation = GridSimulation{};
    playerStart = IntPoint{-1, -1};
    doorRect = Rect{0, 0, 13, 21};
}
