#include "world/cell.h"
#include "world/cell_grid.h"
#include "world/grid_player_mover.h"
#include "world/player.h"
#include "world/world_state.h"
#include "world/zombie.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

class Ground : public Cell {
public:
    int kind() const override { return Solid; }
    int state() const override { return Resting; }
    void update(bool) override {}
};

class Pool : public Cell {
public:
    int kind() const override { return Blood; }
    int state() const override { return Resting; }
    void update(bool) override {}
};

// A floor across the world with a pool on it and a row of zombies.
void buildWorld(CellGrid &grid)
{
    for (int x = 0; x < 256; ++x) {
        grid.rawSlot(x, 240) = std::make_unique<Ground>();
    }
    for (int y = 230; y < 240; ++y) {
        for (int x = 100; x < 160; ++x) {
            grid.rawSlot(x, y) = std::make_unique<Pool>();
        }
    }
    world.zombies.clear();
    for (int i = 0; i < 40; ++i) {
        world.zombies.push_back(std::make_unique<Zombie>(Vec2(static_cast<float>(5 + i * 6), 227.0f), 0.0f, 250.0f, 1.0f));
    }
}

}  // namespace

// One player step running back and forth through the pool and the zombies.
static void BM_PlayerStepAmongZombies(benchmark::State &state)
{
    CellGrid grid(256, 256);
    buildWorld(grid);
    GridPlayerMover mover(&grid);
    Player player;
    player.setMover(&mover);
    player.setPosition(Vec2(50.0f, 227.0f));
    player.press(Direction::Right);
    for (auto _ : state) {
        player.update();
        if (player.position().x > 240.0f) {
            player.release(Direction::Right);
            player.press(Direction::Left);
        } else if (player.position().x < 10.0f) {
            player.release(Direction::Left);
            player.press(Direction::Right);
        }
        benchmark::DoNotOptimize(player.position());
    }
    world.zombies.clear();
}
BENCHMARK(BM_PlayerStepAmongZombies);

static void BM_MeasureDepth(benchmark::State &state)
{
    CellGrid grid(256, 256);
    buildWorld(grid);
    const GridPlayerMover mover(&grid);
    for (auto _ : state) {
        benchmark::DoNotOptimize(mover.measureDepth(Vec2(120.5f, 227.5f)));
    }
    world.zombies.clear();
}
BENCHMARK(BM_MeasureDepth);
