// One frame of particle flight: 5,000 sprays in the air above a floor of
// ground, stepped and drawn onto a world surface.
#include "gfx/video.h"
#include "world/blood_particles.h"
#include "world/cell_grid.h"
#include "world/random.h"
#include "world/world_state.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

class GroundCell : public Cell {
public:
    int kind() const override { return Solid; }
    int state() const override { return Resting; }
    void update(bool) override {}
};

void buildFloor(CellGrid &grid)
{
    grid.clear();
    for (int y = 200; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x)
            grid.rawSlot(x, y) = std::make_unique<GroundCell>();
}

void launchSprays(CellGrid &grid, int count)
{
    world.particles.clear();
    seedRandom(42);
    for (int i = 0; i < count; ++i) {
        const int x = randomInt(20, 235);
        const int y = randomInt(20, 196);
        Vec2 velocity(randomFloat(2.0f, 6.0f), 0.0f);
        velocity.rotate(randomFloat(-3.14f, 3.14f));
        spawnSpray(grid, x, y, velocity, i % 3 == 0);
    }
}

void BM_UpdateParticles5000(benchmark::State &state)
{
    auto grid = std::make_unique<CellGrid>();
    buildFloor(*grid);
    video.world.reset(SDL_CreateRGBSurface(SDL_SWSURFACE, 80, 60, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000));
    camera = Rect{90, 140, 80, 60};
    for (auto _ : state) {
        state.PauseTiming();
        buildFloor(*grid);
        launchSprays(*grid, 5000);
        state.ResumeTiming();
        updateParticles();
        benchmark::DoNotOptimize(world.particles.size());
    }
    world.particles.clear();
    video.world.reset();
    camera = Rect{};
}

}  // namespace

BENCHMARK(BM_UpdateParticles5000)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
