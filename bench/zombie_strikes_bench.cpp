// A strike frame: the zombie pass with the lawnmower on a zombie at full
// throttle (60 particles sprayed), then the particles' first flight step.
#include "core/zombie_strikes.h"
#include "gfx/video.h"
#include "world/blood_particles.h"
#include "world/cell_grid.h"
#include "world/player.h"
#include "world/random.h"
#include "world/world_state.h"
#include "world/zombie.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_StrikeFrameFullThrottle(benchmark::State &state)
{
    auto grid = std::make_unique<CellGrid>();
    video.world.reset(SDL_CreateRGBSurface(SDL_SWSURFACE, 80, 60, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000));
    camera = Rect{50, 40, 80, 60};
    seedRandom(3);
    Player player;
    player.setPosition(Vec2(80.0f, 70.0f));
    player.setAimAngle(-0.3f);
    player.setThrottle(1.0f);
    world.zombies.clear();
    world.particles.clear();
    const Vec2 hand = player.handPoint();
    // Health enough for every strike of the run.
    world.zombies.push_back(std::make_unique<Zombie>(hand - Vec2(3.5f, 3.5f), 0.0f, 250.0f, 1.0e9f));
    std::size_t sprayed = 0;
    for (auto _ : state) {
        updateZombies(player, *grid);
        updateParticles();
        state.PauseTiming();
        sprayed += world.particles.size();
        world.particles.clear();
        world.zombies.front()->position = hand - Vec2(3.5f, 3.5f);
        state.ResumeTiming();
    }
    state.counters["particles"] =
        benchmark::Counter(static_cast<double>(sprayed), benchmark::Counter::kAvgIterations);
    world.zombies.clear();
    video.world.reset();
    camera = Rect{};
}

}  // namespace

BENCHMARK(BM_StrikeFrameFullThrottle)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
