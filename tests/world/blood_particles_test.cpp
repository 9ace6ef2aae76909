#include "gfx/pixel_ops.h"
#include "gfx/video.h"
#include "world/blood_particles.h"
#include "world/cell_grid.h"
#include "world/random.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>

namespace {

// A cell with a fixed kind and state, so each test lays out exactly the
// ground and resting blood it needs.
class FixedCell : public Cell {
public:
    FixedCell(int kind, int state) : kind_(kind), state_(state) {}
    int kind() const override { return kind_; }
    int state() const override { return state_; }
    void update(bool) override {}

private:
    int kind_;
    int state_;
};

class BloodParticles : public ::testing::Test {
protected:
    void SetUp() override
    {
        clearParticles();
        seedRandom(1234);
    }
    void TearDown() override
    {
        clearParticles();
        video.world.reset();
        camera = Rect{};
    }

    void fill(int x0, int y0, int x1, int y1, int kind, int state = Resting)
    {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                grid.rawSlot(x, y) = std::make_unique<FixedCell>(kind, state);
    }
    void ground(int x0, int y0, int x1, int y1) { fill(x0, y0, x1, y1, Solid); }
    void pool(int x0, int y0, int x1, int y1) { fill(x0, y0, x1, y1, Blood); }

    // Blood cells the particles put into the grid (the fixed cells are not).
    int placedBlood() const
    {
        int n = 0;
        for (int y = 0; y < grid.height(); ++y)
            for (int x = 0; x < grid.width(); ++x) {
                const Cell *cell = grid.cellAt(x, y);
                n += cell != nullptr && dynamic_cast<const FixedCell *>(cell) == nullptr;
            }
        return n;
    }
    bool placedAt(int x, int y) const
    {
        const Cell *cell = grid.cellAt(x, y);
        return cell != nullptr && cell->kind() == Blood && dynamic_cast<const FixedCell *>(cell) == nullptr;
    }

    BloodParticle &only()
    {
        EXPECT_EQ(particles.size(), 1u);
        return *particles.front();
    }

    CellGrid grid;
};

}  // namespace

TEST_F(BloodParticles, particle_at_rest_makes_no_substep_and_only_falls)
{
    spawnSpray(grid, 100, 100, Vec2(0.0f, 0.0f), false);
    BloodParticle &particle = only();
    stepParticle(particle);
    EXPECT_EQ(particle.position, Vec2(100.0f, 100.0f));
    EXPECT_FLOAT_EQ(particle.velocity.x, 0.0f);
    EXPECT_FLOAT_EQ(particle.velocity.y, 0.325f);
    EXPECT_FALSE(particle.dead);
}

TEST_F(BloodParticles, spray_flags_and_side_turning)
{
    pool(50, 50, 50, 50);
    spawnSpray(grid, 50, 50, Vec2(1.0f, 0.0f), true);
    spawnSpray(grid, 60, 50, Vec2(1.0f, 0.0f), false);
    EXPECT_TRUE(particles[0]->inBlood);
    EXPECT_FALSE(particles[0]->makesBlood);
    EXPECT_FALSE(particles[1]->inBlood);
    EXPECT_TRUE(particles[1]->makesBlood);
    EXPECT_TRUE(particles[1]->piercing);

    clearParticles();
    spawnSpray(grid, 10, 50, Vec2(-2.0f, 1.0f), false);
    spawnSpray(grid, 11, 50, Vec2(-2.0f, 1.0f), false);
    spawnSpray(grid, 240, 50, Vec2(2.0f, 1.0f), false);
    spawnSpray(grid, 239, 50, Vec2(2.0f, 1.0f), false);
    spawnSpray(grid, 5, 50, Vec2(2.0f, 1.0f), false);
    EXPECT_FLOAT_EQ(particles[0]->velocity.x, 2.0f);
    EXPECT_FLOAT_EQ(particles[1]->velocity.x, -2.0f);
    EXPECT_FLOAT_EQ(particles[2]->velocity.x, -2.0f);
    EXPECT_FLOAT_EQ(particles[3]->velocity.x, 2.0f);
    EXPECT_FLOAT_EQ(particles[4]->velocity.x, 2.0f);
}

TEST_F(BloodParticles, spray_in_blood_goes_at_half_pace_and_stops_after_leaving_it)
{
    pool(100, 100, 100, 103);
    ground(100, 110, 100, 110);
    spawnSpray(grid, 100, 100, Vec2(0.0f, 4.0f), false);
    spawnSpray(grid, 120, 100, Vec2(0.0f, 4.0f), false);
    BloodParticle &inPool = *particles[0];
    BloodParticle &inAir = *particles[1];
    stepParticle(inPool);
    stepParticle(inAir);
    EXPECT_EQ(inPool.position, Vec2(100.0f, 102.0f));  // 4 * 0.65 * 0.5 -> two sub-steps
    EXPECT_EQ(inAir.position, Vec2(120.0f, 103.0f));   // 4 * 0.65 -> three
    EXPECT_TRUE(inPool.inBlood);
    EXPECT_FLOAT_EQ(inPool.velocity.y, 4.125f);
    EXPECT_FLOAT_EQ(inAir.velocity.y, 4.325f);

    // It leaves the pool, passes through air and lands just above the ground.
    for (int frame = 0; frame < 10 && !inPool.dead; ++frame)
        stepParticle(inPool);
    EXPECT_TRUE(inPool.dead);
    EXPECT_FALSE(inPool.inBlood);
    EXPECT_TRUE(placedAt(100, 109));
    EXPECT_EQ(placedBlood(), 1);
}

TEST_F(BloodParticles, spray_in_ground_drops_in_blood_at_once)
{
    ground(100, 100, 100, 120);
    spawnSpray(grid, 100, 100, Vec2(0.0f, 4.0f), false);
    BloodParticle &particle = only();
    EXPECT_TRUE(particle.inBlood);
    stepParticle(particle);
    EXPECT_FALSE(particle.inBlood);
    EXPECT_TRUE(particle.dead);
    EXPECT_EQ(particle.position, Vec2(100.0f, 102.0f));  // stopped on the second sub-step
}

TEST_F(BloodParticles, flowing_and_falling_blood_do_not_stop_a_particle)
{
    fill(100, 101, 100, 101, Blood, Flowing);
    fill(100, 102, 100, 102, Blood, Falling);
    spawnSpray(grid, 100, 100, Vec2(0.0f, 5.0f), false);
    stepParticle(only());
    EXPECT_FALSE(only().dead);
    EXPECT_EQ(only().position, Vec2(100.0f, 104.0f));
    EXPECT_EQ(placedBlood(), 0);
}

TEST_F(BloodParticles, dry_particle_on_ground_vanishes_without_gravity_or_blood)
{
    ground(100, 100, 100, 100);
    spawnSpray(grid, 100, 99, Vec2(0.0f, 2.0f), true);
    BloodParticle &particle = only();
    stepParticle(particle);
    EXPECT_TRUE(particle.dead);
    EXPECT_FLOAT_EQ(particle.velocity.y, 2.0f);
    EXPECT_EQ(placedBlood(), 0);
    EXPECT_EQ(particles.size(), 1u);  // no droplets thrown
}

TEST_F(BloodParticles, leaving_the_world_deposits_nothing)
{
    spawnSpray(grid, 100, 254, Vec2(0.0f, 5.0f), false);
    spawnSpray(grid, 100, 1, Vec2(0.0f, -5.0f), false);
    spawnDroplet(grid, 1, 100, Vec2(-5.0f, 0.0f));
    spawnDroplet(grid, 254, 100, Vec2(5.0f, 0.0f));
    particles[2]->makesBlood = true;
    particles[3]->makesBlood = true;
    for (auto &particle : particles) {
        stepParticle(*particle);
        EXPECT_TRUE(particle->dead);
    }
    EXPECT_EQ(particles.size(), 4u);
    EXPECT_EQ(placedBlood(), 0);
}

TEST_F(BloodParticles, impact_places_blood_in_an_empty_slot_or_walks_back)
{
    ground(0, 150, 255, 255);
    depositBlood(grid, 100, 140, Vec2(0.0f, 3.0f));  // the slot itself is empty
    EXPECT_TRUE(placedAt(100, 140));

    depositBlood(grid, 100, 150, Vec2(0.0f, 3.0f));
    EXPECT_TRUE(placedAt(100, 149));
    depositBlood(grid, 50, 150, Vec2(3.0f, 3.0f));
    EXPECT_TRUE(placedAt(49, 149));
    EXPECT_EQ(placedBlood(), 3);

    // With the first back-steps buried the blood goes to the first free spot
    // further back, spread a little sideways.
    ground(0, 146, 255, 149);
    const int before = placedBlood();
    depositBlood(grid, 200, 150, Vec2(0.0f, 1.0f));
    EXPECT_EQ(placedBlood(), before + 1);
    int foundRow = -1;
    for (int y = 135; y < 146; ++y)
        for (int x = 195; x <= 205; ++x)
            if (placedAt(x, y))
                foundRow = y;
    EXPECT_GE(foundRow, 135);
    EXPECT_LE(foundRow, 145);
}

TEST_F(BloodParticles, buried_impact_climbs_one_time_in_five_and_always_throws_back)
{
    ground(0, 100, 255, 255);
    std::set<int> throwCounts;
    int climbs = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        seedRandom(seed);
        const bool expectClimb = nextRandomInteger() % 5 == 1;  // the first rand() of the impact
        seedRandom(seed);
        clearParticles();
        const int before = placedBlood();
        depositBlood(grid, 128, 150, Vec2(0.0f, 3.0f));
        const int added = placedBlood() - before;
        EXPECT_EQ(added, expectClimb ? 1 : 0) << seed;
        climbs += added;
        throwCounts.insert(static_cast<int>(particles.size()));
        for (auto &droplet : particles) {
            EXPECT_FALSE(droplet->makesBlood);
            EXPECT_TRUE(droplet->piercing);
            EXPECT_EQ(droplet->position.y, 150.0f);
            // Thrown back against the impact: upward.
            EXPECT_LT(droplet->velocity.y, 0.0f);
        }
    }
    EXPECT_GT(climbs, 15);
    EXPECT_LT(climbs, 70);
    EXPECT_EQ(throwCounts, (std::set<int>{2, 3, 4, 5, 6}));
    // Climbed blood sits on top of the ground, within the sideways walk of
    // the 52 rows climbed.
    for (int x = 0; x < 256; ++x)
        for (int y = 0; y < 256; ++y)
            if (placedAt(x, y)) {
                EXPECT_LE(y, 99) << x;
                EXPECT_GT(y, 90) << x;
                EXPECT_GE(x, 128 - 52);
                EXPECT_LE(x, 128 + 52);
            }
}

TEST_F(BloodParticles, climb_stays_inside_the_side_margins)
{
    ground(0, 100, 255, 255);
    for (unsigned seed = 1; seed <= 60; ++seed) {
        seedRandom(seed);
        depositBlood(grid, 0, 110, Vec2(-1.0f, 0.0f));
        depositBlood(grid, 255, 110, Vec2(1.0f, 0.0f));
    }
    EXPECT_GT(placedBlood(), 0);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 256; ++x)
            if (placedAt(x, y)) {
                EXPECT_GE(x, 3);
                EXPECT_LE(x, 253);
            }
}

TEST_F(BloodParticles, walk_back_never_places_blood_outside_the_world)
{
    // An impact on the right edge, come from further right: every back-step
    // lies outside the world and must not wrap onto the next row's column 0.
    ground(250, 100, 255, 110);
    for (unsigned seed = 1; seed <= 30; ++seed) {
        seedRandom(seed);
        depositBlood(grid, 255, 105, Vec2(-1.0f, 0.0f));
    }
    for (int y = 0; y < 256; ++y)
        EXPECT_FALSE(placedAt(0, y)) << y;
}

TEST_F(BloodParticles, piercing_particle_deposits_along_its_path_splash_only_once)
{
    ground(0, 103, 255, 255);
    spawnSpray(grid, 100, 100, Vec2(0.0f, 8.0f), false);
    BloodParticle &spray = only();
    stepParticle(spray);
    EXPECT_TRUE(spray.dead);
    EXPECT_EQ(spray.position.y, 106.0f);  // went on through the ground
    EXPECT_EQ(placedBlood(), 4);
    EXPECT_TRUE(placedAt(100, 102));

    clearParticles();
    pool(150, 101, 150, 101);
    spawnSplashParticle(grid, 150, 100, Vec2(0.0f, 8.0f), true);
    BloodParticle &splash = only();
    ASSERT_FALSE(splash.piercing);
    ASSERT_TRUE(splash.makesBlood);
    stepParticle(splash);
    EXPECT_TRUE(splash.dead);
    EXPECT_EQ(splash.position.y, 103.0f);
    EXPECT_EQ(placedBlood(), 5);
    EXPECT_TRUE(placedAt(150, 102));
}

TEST_F(BloodParticles, splash_lifts_blood_from_below_but_never_ground)
{
    // Row y + 4 is first searched by the seventh try, three columns each way.
    pool(97, 104, 103, 104);
    spawnSplashParticle(grid, 100, 100, Vec2(0.0f, -2.0f), true);
    int left = 0;
    for (int x = 97; x <= 103; ++x)
        left += grid.cellAt(x, 104) != nullptr;
    EXPECT_EQ(left, 6);
    EXPECT_TRUE(only().makesBlood);

    clearParticles();
    ground(90, 91, 120, 120);
    pool(200, 101, 200, 101);
    spawnSplashParticle(grid, 100, 90, Vec2(0.0f, -2.0f), true);
    spawnSplashParticle(grid, 200, 100, Vec2(0.0f, -2.0f), false);
    EXPECT_FALSE(particles[0]->makesBlood);
    EXPECT_FALSE(particles[1]->makesBlood);
    EXPECT_NE(grid.cellAt(200, 101), nullptr);
    EXPECT_NE(grid.cellAt(100, 91), nullptr);
}

TEST_F(BloodParticles, update_removes_dead_by_moving_the_last_and_draws_the_living)
{
    video.world.reset(SDL_CreateRGBSurface(SDL_SWSURFACE, 64, 48, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000));
    ASSERT_NE(video.world, nullptr);
    SDL_FillRect(video.world.get(), nullptr, 0);
    camera = Rect{90, 90, 64, 48};

    spawnSpray(grid, 100, 100, Vec2(0.0f, 0.0f), false);
    spawnSpray(grid, 100, 254, Vec2(0.0f, 5.0f), false);  // leaves the world
    spawnSpray(grid, 110, 100, Vec2(0.0f, 0.0f), false);
    spawnSpray(grid, 120, 253, Vec2(0.0f, 5.0f), false);  // leaves too, after being moved forward
    spawnSpray(grid, 130, 100, Vec2(0.0f, 0.0f), false);
    BloodParticle *first = particles[0].get();
    BloodParticle *third = particles[2].get();
    BloodParticle *fifth = particles[4].get();

    updateParticles();
    ASSERT_EQ(particles.size(), 3u);
    EXPECT_EQ(particles[0].get(), first);
    EXPECT_EQ(particles[1].get(), fifth);
    EXPECT_EQ(particles[2].get(), third);

    const std::uint32_t drawn = blendColor(0, 0xFFBF0000, 125);
    EXPECT_EQ(getPixel(video.world.get(), 10, 10), drawn);
    EXPECT_EQ(getPixel(video.world.get(), 20, 10), drawn);
    EXPECT_EQ(getPixel(video.world.get(), 40, 10), drawn);
    EXPECT_EQ(getPixel(video.world.get(), 11, 10), 0u);

    // Without a world surface the particles still move.
    video.world.reset();
    updateParticles();
    EXPECT_FLOAT_EQ(particles[0]->velocity.y, 0.65f);
}

TEST_F(BloodParticles, impact_droplets_spawned_during_update_are_kept)
{
    ground(0, 110, 255, 255);
    spawnSpray(grid, 100, 100, Vec2(0.0f, 3.0f), false);
    for (int frame = 0; frame < 20 && placedBlood() == 0; ++frame)
        updateParticles();
    const int landed = placedBlood();
    EXPECT_GE(landed, 1);
    EXPECT_FALSE(particles.empty());
    for (auto &droplet : particles)
        EXPECT_FALSE(droplet->makesBlood);
    for (int frame = 0; frame < 200 && !particles.empty(); ++frame)
        updateParticles();
    EXPECT_TRUE(particles.empty());
    EXPECT_EQ(placedBlood(), landed);
}
