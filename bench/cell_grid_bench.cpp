// Grid step cost per frame of two steps, full sweeps included.
#include "world/blood_cell.h"
#include "world/cell_grid.h"
#include "world/grid_simulation.h"
#include "world/random.h"
#include "world/solid_cell.h"
#include "world/world_state.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

namespace {

constexpr int kSize = 256;
// The lowest sweep start a player can ask for: full sweeps cover every row.
constexpr int kDeepestHint = 255;

void groundRow(CellGrid &grid, int y)
{
    for (int x = 0; x < kSize; ++x) {
        grid.slot(x, y) = std::make_unique<SolidCell>();
    }
}

// Upper half falling blood over a floor, every cell due for an update.
void buildFallingWorld(CellGrid &grid)
{
    grid.clear();
    world.gridSimulation = GridSimulation{};
    seedIntegerGenerator(1);
    groundRow(grid, kSize - 1);
    for (int y = 0; y < kSize / 2; ++y) {
        for (int x = 0; x < kSize; ++x) {
            grid.placeBlood(x, y);
        }
    }
    world.gridSimulation.dirtyRect.include(kSize - 1, kSize - 1);
}

double timeFrame(CellGrid &grid)
{
    const auto start = std::chrono::steady_clock::now();
    grid.step(kDeepestHint);
    grid.step(kDeepestHint);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Frames through the fall of the whole upper half and its landing; the world
// is built again after every 33 frames (66 steps, six full sweeps).
void BM_GridFallingUpperHalf(benchmark::State &state)
{
    CellGrid grid(kSize, kSize);
    int frame = 0;
    for (auto _ : state) {
        if (frame % 33 == 0) {
            buildFallingWorld(grid);
        }
        ++frame;
        state.SetIterationTime(timeFrame(grid));
    }
    state.counters["blood"] = grid.bloodCellCount();
}
BENCHMARK(BM_GridFallingUpperHalf)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(330);

// Lower half a pool of blood between walls, every cell asleep: only the
// full sweeps do any work.
void BM_GridSettledWorld(benchmark::State &state)
{
    CellGrid grid(kSize, kSize);
    world.gridSimulation = GridSimulation{};
    seedIntegerGenerator(1);
    groundRow(grid, kSize - 1);
    for (int y = kSize / 2; y < kSize - 1; ++y) {
        grid.slot(0, y) = std::make_unique<SolidCell>();
        grid.slot(kSize - 1, y) = std::make_unique<SolidCell>();
        for (int x = 1; x < kSize - 1; ++x) {
            grid.placeBlood(x, y);
        }
    }
    for (int i = 0; i < 60; ++i) {
        world.gridSimulation.sweepCounter = 10;
        grid.step(kDeepestHint);
    }
    for (auto _ : state) {
        state.SetIterationTime(timeFrame(grid));
    }
    state.counters["asleep"] =
        static_cast<BloodCell *>(grid.cellAt(kSize / 2, kSize / 2))->asleep() ? 1.0 : 0.0;
}
BENCHMARK(BM_GridSettledWorld)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1100);

}  // namespace
