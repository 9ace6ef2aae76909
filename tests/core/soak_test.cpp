// Long runs of seeded random input over every shipped level: the game must
// neither crash nor grow without bound.
#include "support/replay_harness.h"

#include "world/blood_particles.h"
#include "world/cell_grid.h"
#include "world/world_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <malloc.h>
#include <map>
#include <random>

#if defined(__SANITIZE_ADDRESS__)
// From the address sanitizer's run-time: bytes its allocator holds for the program.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

// A pass over the fifteen shipped levels three times: the first warms the
// picture cache and the pools, the later ones must not need more memory.
constexpr int kShippedLevels = 15;
constexpr int kLevelLoads = 3 * kShippedLevels;
constexpr std::size_t kParticleLimit = 10000;
// Blood comes only from the level and from shredded zombies, so a level
// never holds many more cells than it started with.
constexpr int kNewBloodLimit = 8192;
constexpr std::size_t kMemorySlack = 128 * 1024;

// Heap bytes in use now.
std::size_t liveHeapBytes()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// Random presses and releases of the movement keys, mouse motion and
// buttons, lawnmower throttle, aim and hat moves on the joystick.
SDL_Event randomEvent(std::mt19937 &generator, bool (&keyDown)[4])
{
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(generator); };
    static const SDLKey keys[] = {SDLK_w, SDLK_a, SDLK_s, SDLK_d};
    switch (pick(0, 6)) {
    case 0:
    case 1: {
        const int key = pick(0, 3);
        keyDown[key] = !keyDown[key];
        return keyEvent(keys[key], keyDown[key]);
    }
    case 2:
        return mouseMotionEvent(pick(0, 1100), pick(0, 800));
    case 3:
        return mouseButtonEvent(static_cast<Uint8>(pick(1, 3)), pick(0, 1) == 1);
    case 4:
        // Axis 2 is the throttle, 3 and 4 aim; 0 and 1 are unused.
        return joyAxisEvent(static_cast<Uint8>(pick(0, 5)), static_cast<Sint16>(pick(-32768, 32767)));
    case 5:
        return joyHatEvent(static_cast<Uint8>(pick(0, 1)), static_cast<Uint8>(pick(0, 15)));
    default:
        return joyButtonEvent(static_cast<Uint8>(pick(0, 11)), pick(0, 1) == 1);
    }
}

void soak(int frames, unsigned int seed)
{
    ReplayHarness harness(GORLAK_SOURCE_DIR, seed);
    ASSERT_TRUE(harness.started());
    ASSERT_TRUE(harness.startAt(1));
    GameSession &session = harness.session();
    std::mt19937 generator(seed);
    bool keyDown[4] = {false, false, false, false};
    const int levelBudget = frames / kLevelLoads;
    // Heap in use at each level start, per list position, from the second pass on.
    std::map<int, std::size_t> baseline;
    int loads = 1;
    int framesOnLevel = 0;
    int bloodAtLoad = world.grid.bloodCellCount();
    for (int frame = 0; frame < frames; ++frame) {
        const int level = session.levelList.current;
        for (int count = std::uniform_int_distribution<int>(0, 3)(generator); count > 0; --count) {
            pushEvent(randomEvent(generator, keyDown));
        }
        ASSERT_TRUE(harness.runFrame()) << "frame " << frame;
        ASSERT_TRUE(session.running()) << "frame " << frame;
        ASSERT_LE(world.particles.size(), kParticleLimit) << "frame " << frame;
        if (frame % 100 == 0) {
            ASSERT_LE(world.grid.bloodCellCount(), bloodAtLoad + kNewBloodLimit) << "frame " << frame;
        }
        if (session.levelList.current == level && ++framesOnLevel < levelBudget) {
            continue;
        }
        // Finished, or out of time: on to the next level as the game would.
        if (session.levelList.current == level) {
            ASSERT_TRUE(session.loadNextLevel()) << "frame " << frame;
        }
        loads += 1;
        framesOnLevel = 0;
        bloodAtLoad = world.grid.bloodCellCount();
        const int position = session.levelList.current;
        const std::size_t heap = liveHeapBytes();
        if (loads > kShippedLevels && loads <= 2 * kShippedLevels) {
            baseline[position] = std::max(baseline[position], heap);
        } else if (loads > 2 * kShippedLevels && baseline.count(position) != 0) {
            EXPECT_LE(heap, baseline[position] + kMemorySlack) << "level " << position << " at frame " << frame;
        }
    }
}

}  // namespace

TEST(Soak, random_input_over_every_level)
{
    soak(5000, 20261206);
}

// The full run; set GORLAK_LONG_SOAK=1.
TEST(Soak, long_random_input_over_every_level)
{
    if (std::getenv("GORLAK_LONG_SOAK") == nullptr) {
        GTEST_SKIP() << "set GORLAK_LONG_SOAK=1 for the 30,000-frame run";
    }
    soak(30000, 7);
}
