// Whole frames of play: the program's own loop pass at 256 x 192 world
// pixels enlarged 4 times, on every shipped level, on a stress world and on
// an avalanche. Each benchmark iteration is one frame (the driven clock moves
// on by a frame in every pass, so every pass runs one); the counters give the median, the
// 99th percentile and the slowest of the frames' work in milliseconds,
// measured as the thread's processor time so that other programs on a busy
// machine do not count.
#include "core/collectables.h"
#include "core/game.h"
#include "core/program.h"
#include "gfx/scene_render.h"
#include "world/blood_particles.h"
#include "world/cell_grid.h"
#include "world/grid_simulation.h"
#include "world/random.h"
#include "world/world_state.h"
#include "world/zombie.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>
#include <time.h>
#include <vector>

namespace {

constexpr int kFrames = 300;
constexpr int kStressZombies = 12;
// Particles before each stress frame: topped up to the least, trimmed to the
// most (every strike adds 60 and they fly for many frames).
constexpr std::size_t kStressParticlesLeast = 3000;
constexpr std::size_t kStressParticlesMost = 5000;

// The shipped game started from the repository root, as the game starts
// (its settings give 256 x 192 and pixel size 4), on a driven clock with a
// fixed seed, playing one level file.
class ShippedGame {
public:
    explicit ShippedGame(const std::string &levelFile, bool sound = false)
    {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        ProgramOptions options = ProgramOptions::reproducible(GORLAK_SOURCE_DIR, 1234);
        options.sound = sound;
        ready_ = startProgram(options) && runningGame()->loadLevel(levelFile);
    }
    ~ShippedGame() { stopProgram(); }
    ShippedGame(const ShippedGame &) = delete;
    ShippedGame &operator=(const ShippedGame &) = delete;

    bool ready() const { return ready_; }
    Game &game() { return *runningGame(); }

private:
    bool ready_ = false;
};

double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1.0e-9;
}

double percentile(std::vector<double> sorted, double fraction)
{
    std::sort(sorted.begin(), sorted.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[index];
}

// Runs the frames, timing the program's pass alone; before each frame
// `prepare` may set the stage without being timed.
template <class Prepare>
void runFrames(benchmark::State &state, Prepare prepare)
{
    std::vector<double> frameMs;
    frameMs.reserve(kFrames);
    for (auto _ : state) {
        prepare();
        const double start = threadSeconds();
        runOneFrame();
        const double seconds = threadSeconds() - start;
        state.SetIterationTime(seconds);
        frameMs.push_back(seconds * 1000.0);
    }
    state.counters["median_ms"] = percentile(frameMs, 0.5);
    state.counters["p99_ms"] = percentile(frameMs, 0.99);
    state.counters["max_ms"] = percentile(frameMs, 1.0);
    state.counters["particles"] = static_cast<double>(world.particles.size());
}

// With sound the shipped settings' sound is on: events are heard and the
// engine runs, mixed by the audio driver's own thread.
void BM_FrameShippedLevel(benchmark::State &state, const std::string &levelFile, bool sound)
{
    ShippedGame shipped(levelFile, sound);
    if (!shipped.ready()) {
        state.SkipWithError("the shipped content did not load");
        return;
    }
    runFrames(state, [] {});
}

// Fills the upper half of the grid with blood wherever it is empty.
void pourUpperHalf(CellGrid &grid)
{
    for (int y = 0; y < grid.height() / 2; ++y) {
        for (int x = 0; x < grid.width(); ++x) {
            grid.placeBlood(x, y);
        }
    }
}

// Puts the stress zombies on the lawnmower and keeps thousands of particles
// in the air; run untimed before each frame.
void keepZombiesAndParticles(Game &game, CellGrid &grid)
{
    const Vec2 hand = game.player.handPoint();
    for (auto &zombie : world.zombies) {
        zombie->position = hand - Vec2(3.5f, 3.5f);
        zombie->dead = false;
    }
    if (world.particles.size() > kStressParticlesMost) {
        world.particles.resize(kStressParticlesMost);
    }
    while (world.particles.size() < kStressParticlesLeast) {
        const Vec2 velocity(randomFloat(-3.0f, 3.0f), randomFloat(-4.0f, 0.0f));
        spawnSpray(grid, randomInt(10, 245), randomInt(10, 120), velocity, randomInt(0, 1) == 0);
    }
}

// The first level with zombies standing on the lawnmower at full throttle,
// so every one is struck every frame, and the left button held.
void setUpStress(Game &game)
{
    game.kbMouseMode = true;
    game.leftButtonHeld = true;
    for (int i = 0; i < kStressZombies; ++i) {
        world.zombies.push_back(std::make_unique<Zombie>(Vec2(), 0.0f, 250.0f, 1.0e9f));
    }
}

// The stress world keeps pouring: before each frame the upper half is filled
// again and the blood sucker takes what falls into rows 128 to 167, so half
// the world is falling blood in every frame and the grid never settles. The
// avalanche pours once: its slow frames are the thirty or so in which half a
// world of blood lands and spreads; after that the grid settles. In both,
// zombies are struck every frame and thousands of particles fly.
void BM_FrameStressWorld(benchmark::State &state, bool keepPouring, bool sound)
{
    ShippedGame shipped("data/levels/level01_first_steps.xml", sound);
    if (!shipped.ready()) {
        state.SkipWithError("the shipped content did not load");
        return;
    }
    Game &game = shipped.game();
    CellGrid &grid = world.grid;
    setUpStress(game);
    game.bloodSucker = keepPouring;
    pourUpperHalf(grid);
    runFrames(state, [&game, &grid, keepPouring] {
        if (keepPouring) {
            pourUpperHalf(grid);
        }
        keepZombiesAndParticles(game, grid);
    });
}

const char *const kShippedLevels[] = {
    "level01_first_steps",  "level02_blood_pools",  "level03_zombies",       "level04_stepping_stones",
    "level05_tower",        "level06_undertow",     "level07_blood_rain",    "level08_drain",
    "level09_spill",        "level10_gauntlet",     "level11_chimney",       "level12_sinking_well",
    "level13_mind_the_step", "level14_last_stand",  "level15_outro",
};

int registerFrameBenchmarks()
{
    for (const char *level : kShippedLevels) {
        const std::string file = std::string("data/levels/") + level + ".xml";
        for (const bool sound : {false, true}) {
            benchmark::RegisterBenchmark(
                (std::string(sound ? "BM_FrameShippedLevelSound/" : "BM_FrameShippedLevel/") + level).c_str(),
                BM_FrameShippedLevel, file, sound)
                ->Iterations(kFrames)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
    const std::tuple<const char *, bool, bool> stressWorlds[] = {
        {"BM_FrameStress", true, false}, {"BM_FrameStressSound", true, true}, {"BM_FrameAvalanche", false, false}};
    for (const auto &[name, keepPouring, sound] : stressWorlds) {
        benchmark::RegisterBenchmark(name, BM_FrameStressWorld, keepPouring, sound)
            ->Iterations(kFrames)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    return 0;
}

const int frameBenchmarksRegistered = registerFrameBenchmarks();

}  // namespace
