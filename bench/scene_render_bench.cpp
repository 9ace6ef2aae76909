// The composite at 256 x 192 world pixels enlarged 4 times, against a plain
// copy of the same screen bytes.
#include "gfx/scene_render.h"
#include "gfx/video.h"
#include "world/cell_grid.h"
#include "world/solid_cell.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int kWidth = 256;
constexpr int kHeight = 192;
constexpr int kScale = 4;

// The window and a world that shows ground, pools and scattered drops.
class RenderScene {
public:
    RenderScene()
    {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        openVideo(kWidth, kHeight, "bench", kScale, false);
        SDL_FillRect(video.world.get(), nullptr, 0xFF203040);
        camera.y = 256 - kHeight;
        std::srand(1);
        // Ground below, pillars and ledges, pools on the ground, two falling
        // streams and a spray of scattered drops.
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                const bool ground = y > 220 || (x % 64 < 6 && y > 120) || (y == 150 && x % 64 < 30);
                const bool pool = y > 200 || (y > 140 && y < 150 && x % 64 < 30);
                const bool stream = (x > 90 && x < 96) || (x > 180 && x < 184);
                const bool spray = x > 100 && x < 170 && y > 70 && y < 140 && std::rand() % 10 == 0;
                if (ground) {
                    grid.slot(x, y) = std::make_unique<SolidCell>();
                } else if (pool || stream || spray) {
                    grid.placeBlood(x, y);
                }
            }
        }
    }
    ~RenderScene()
    {
        resetVideo();
        SDL_Quit();
    }
    CellGrid grid{256, 256};
};

void BM_Render(benchmark::State &state)
{
    RenderScene scene;
    for (auto _ : state) {
        render(scene.grid, true);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Render)->Unit(benchmark::kMicrosecond);

void BM_MemcpyScreen(benchmark::State &state)
{
    RenderScene scene;
    SDL_Surface *screen = video.screen;
    const std::size_t bytes = static_cast<std::size_t>(screen->pitch) * screen->h;
    std::vector<std::uint8_t> source(bytes, 0x5A);
    for (auto _ : state) {
        std::memcpy(screen->pixels, source.data(), bytes);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyScreen)->Unit(benchmark::kMicrosecond);

// The same view with no cells at all: the cost of enlarging alone.
void BM_RenderEmptyGrid(benchmark::State &state)
{
    RenderScene scene;
    scene.grid.clear();
    for (auto _ : state) {
        render(scene.grid, true);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RenderEmptyGrid)->Unit(benchmark::kMicrosecond);

}  // namespace
