#include "gfx/pixel_ops.h"
#include "gfx/video.h"
#include "world/blood_cell.h"
#include "world/blood_particles.h"
#include "world/random.h"

#include "support/event_recorder.h"
#include "test_world.h"
#include "world/world_state.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class BloodParticles : public ::testing::Test {
protected:
    void SetUp() override
    {
        world.particles.clear();
        seedRandom(1234);
    }
    void TearDown() override { world.particles.clear(); }

    // Blood put there by a particle; the test's own cells are not BloodCells.
    bool placedAt(int x, int y) const { return dynamic_cast<const BloodCell *>(grid->cellAt(x, y)) != nullptr; }
    BloodParticle &spray(int x, int y, Vec2 v, bool dry = false)
    {
        spawnSpray(*grid, x, y, v, dry);
        return *world.particles.back();
    }

    std::unique_ptr<CellGrid> grid = std::make_unique<CellGrid>();
};
using SplashBlood = BloodParticles;

}  // namespace

TEST_F(BloodParticles, flight_at_rest_through_blood_and_out_of_ground)
{
    fillBlood(*grid, 100, 100, 100, 103);
    fillGround(*grid, 100, 100, 110, 110);
    fillGround(*grid, 150, 150, 100, 120);
    BloodParticle &rest = spray(50, 50, Vec2(0.0f, 0.0f));
    BloodParticle &pool = spray(100, 100, Vec2(0.0f, 4.0f));
    BloodParticle &air = spray(120, 100, Vec2(0.0f, 4.0f));
    BloodParticle &rock = spray(150, 100, Vec2(0.0f, 4.0f));
    EXPECT_TRUE(pool.inBlood && rock.inBlood && !air.inBlood);
    for (BloodParticle *p : {&rest, &pool, &air, &rock})
        stepParticle(*p);
    EXPECT_EQ(rest.position, Vec2(50.0f, 50.0f));
    EXPECT_EQ(pool.position.y, 102.0f);  // half the sub-steps of the one in air
    EXPECT_EQ(air.position.y, 103.0f);
    // Born in ground: the first sub-step drops inBlood, the second stops it.
    EXPECT_TRUE(rock.dead && !rock.inBlood);
    // Out of the pool, through the air, and onto the ground.
    for (int frame = 0; frame < 10 && !pool.dead; ++frame)
        stepParticle(pool);
    EXPECT_TRUE(pool.dead);
    EXPECT_TRUE(placedAt(100, 109));
}

TEST_F(BloodParticles, sides_turn_sprays_and_dry_or_departing_particles_leave_no_blood)
{
    EXPECT_FLOAT_EQ(spray(10, 50, Vec2(-2.0f, 1.0f)).velocity.x, 2.0f);
    EXPECT_FLOAT_EQ(spray(240, 50, Vec2(2.0f, 1.0f)).velocity.x, -2.0f);

    world.particles.clear();
    spray(100, 254, Vec2(0.0f, 5.0f));
    spray(100, 1, Vec2(0.0f, -5.0f));
    spawnDroplet(*grid, 1, 100, Vec2(-5.0f, 0.0f));
    world.particles.back()->makesBlood = true;
    fillGround(*grid, 100, 100, 100, 100);
    spray(100, 99, Vec2(0.0f, 2.0f), true);
    for (std::size_t i = 0; i < 4; ++i) {
        stepParticle(*world.particles[i]);
        EXPECT_TRUE(world.particles[i]->dead) << i;
    }
    EXPECT_EQ(world.particles.size(), 4u);  // the dry one throws nothing back
    EXPECT_EQ(grid->bloodCellCount(), 0);
}

TEST_F(BloodParticles, impact_walks_back_stays_in_the_world_and_climbs_one_time_in_five)
{
    // On the right edge, come from further right: every step back lies
    // outside the world and must not wrap onto column 0 of the next row.
    fillGround(*grid, 250, 255, 100, 110);
    for (unsigned seed = 1; seed <= 30; ++seed) {
        seedRandom(seed);
        depositBlood(*grid, 255, 105, Vec2(-1.0f, 0.0f));
    }
    for (int y = 0; y < 256; ++y)
        EXPECT_FALSE(placedAt(0, y)) << y;

    grid->clear();
    fillGround(*grid, 0, 255, 150, 255);
    const EventRecorder events;
    depositBlood(*grid, 100, 140, Vec2(0.0f, 3.0f));  // an empty slot takes it
    depositBlood(*grid, 50, 150, Vec2(3.0f, 3.0f));
    EXPECT_TRUE(placedAt(100, 140) && placedAt(49, 149));
    ASSERT_EQ(events.events.size(), 2u);
    EXPECT_TRUE(events.events[0].position == Vec2(100, 140) && events.events[1].position == Vec2(49, 149));

    // Buried ten steps deep: only the climb can place it, on top of the
    // ground; every impact throws two to six dry droplets back.
    grid->clear();
    fillGround(*grid, 0, 255, 100, 255);
    std::set<std::size_t> throwBacks;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        seedRandom(seed);
        world.particles.clear();
        depositBlood(*grid, 128, 150, Vec2(0.0f, 3.0f));
        throwBacks.insert(world.particles.size());
        EXPECT_TRUE(!world.particles.back()->makesBlood && world.particles.back()->velocity.y < 0.0f);
    }
    EXPECT_NEAR(grid->bloodCellCount(), 40, 15);
    EXPECT_EQ(events.count(GameEventKind::BloodLanded), 2 + grid->bloodCellCount());
    EXPECT_EQ(throwBacks, (std::set<std::size_t>{2, 3, 4, 5, 6}));
    int onTop = 0;
    for (int y = 90; y < 100; ++y)
        for (int x = 128 - 52; x <= 128 + 52; ++x)
            onTop += placedAt(x, y);
    EXPECT_EQ(onTop, grid->bloodCellCount());
}

TEST_F(BloodParticles, piercing_spray_deposits_along_its_path_a_splash_once)
{
    fillGround(*grid, 0, 255, 103, 255);
    BloodParticle &pierce = spray(100, 100, Vec2(0.0f, 8.0f));
    stepParticle(pierce);
    EXPECT_EQ(pierce.position.y, 106.0f);
    EXPECT_EQ(grid->bloodCellCount(), 4);

    fillBlood(*grid, 150, 150, 101, 101);
    spawnSplashParticle(*grid, 150, 100, Vec2(0.0f, 8.0f), true);
    BloodParticle &splash = *world.particles.back();
    EXPECT_EQ(grid->cellAt(150, 101), nullptr);  // lifted out of the pool
    EXPECT_TRUE(splash.makesBlood && !splash.piercing);
    stepParticle(splash);
    EXPECT_EQ(splash.position.y, 103.0f);
    EXPECT_EQ(grid->bloodCellCount(), 5);

    // Ground is never lifted.
    spawnSplashParticle(*grid, 200, 102, Vec2(0.0f, -2.0f), true);
    EXPECT_FALSE(world.particles.back()->makesBlood);
    EXPECT_NE(grid->cellAt(200, 103), nullptr);
}

// Blood only in the first column: a splash at the right edge must never
// reach round to it through the next row.
TEST_F(SplashBlood, search_never_wraps_round_the_grid_edges)
{
    grid = std::make_unique<CellGrid>(32, 32);
    fillBlood(*grid, 0, 0, 0, 31);
    for (unsigned int seed = 1; seed <= 40; ++seed) {
        seedRandom(seed);
        spawnSplashParticle(*grid, 31, 5, Vec2(0.0f, -2.0f), true);
        ASSERT_FALSE(world.particles.empty());
        EXPECT_FALSE(world.particles.back()->makesBlood) << "seed " << seed;
        EXPECT_EQ(grid->bloodCellCount(), 32);
    }
}

TEST_F(BloodParticles, update_removes_the_dead_and_draws_the_rest)
{
    video.world.reset(SDL_CreateRGBSurface(SDL_SWSURFACE, 64, 48, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000));
    SDL_FillRect(video.world.get(), nullptr, 0);
    camera = Rect{90, 90, 64, 48};
    spray(100, 100, Vec2(0.0f, 0.0f));
    spray(100, 254, Vec2(0.0f, 5.0f));  // leaves the world
    spray(110, 100, Vec2(0.0f, 0.0f));
    spray(120, 253, Vec2(0.0f, 5.0f));  // leaves too, once moved forward
    updateParticles();
    EXPECT_EQ(world.particles.size(), 2u);
    EXPECT_EQ(getPixel(video.world.get(), 10, 10), blendColor(0, 0xFFBF0000, 125));
    EXPECT_EQ(getPixel(video.world.get(), 20, 10), blendColor(0, 0xFFBF0000, 125));
    EXPECT_EQ(getPixel(video.world.get(), 11, 10), 0u);
    video.world.reset();
    camera = Rect{};
}
