#include "world/grid_player_mover.h"

#include "gfx/picture_cache.h"
#include "support/driven_clock.h"
#include "support/temp_path.h"
#include "test_world.h"
#include "world/blood_particles.h"
#include "world/player.h"
#include "world/random.h"
#include "world/world_state.h"
#include "world/zombie.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

class ActorWorld : public ::testing::Test {
protected:
    void SetUp() override
    {
        world.zombies.clear();
        seedRandom(11);
        player.setMover(&mover);
    }
    // Zombies made here look their picture up and miss it; the cache keeps
    // the miss, which would spoil a later start-up in the same process.
    void TearDown() override
    {
        world.zombies.clear();
        world.particles.clear();
        clearPictureCache();
    }

    void moveFrom(Vec2 at, Vec2 velocity)
    {
        player.setPosition(at);
        player.setVelocity(velocity);
        player.setOnGround(false);
        mover.move(player);
    }

    Zombie &addZombie(Vec2 at, int dir)
    {
        world.zombies.push_back(std::make_unique<Zombie>(at, 0.0f, 250.0f, 1.0f));
        world.zombies.back()->setDirection(dir);
        return *world.zombies.back();
    }

    CellGrid grid{256, 256};
    GridPlayerMover mover{&grid};
    Player player;
};

const Vec2 kNoMower(500.0f, 500.0f);

}  // namespace

// Where one move from a clear grid with the given ground leaves the body.
TEST_F(ActorWorld, ground_walls_posts_and_the_world_limits_stop_the_body)
{
    struct Case {
        const char *name;
        std::vector<std::array<int, 4>> ground;  // columns x0 to x1, rows y0 to y1
        Vec2 at;
        Vec2 velocity;
        std::optional<float> x;
        std::optional<float> y;
    };
    // The body at x covers the columns from trunc(x) while below x + 4;
    // walls stop it only over its top ten rows.
    const Case cases[] = {
        {"onto ground", {{0, 255, 100, 100}}, {50.0f, 86.0f}, {0.0f, 2.0f}, 50.0f, 87.0f},
        {"onto the world floor", {}, {50.0f, 238.0f}, {0.0f, 5.0f}, {}, 241.0f},
        {"the left limit", {}, {3.0f, 150.0f}, {-4.0f, 0.0f}, 2.0f, {}},
        {"the right limit", {}, {248.0f, 150.0f}, {4.0f, 0.0f}, 250.0f, {}},
        {"a wall below the top ten rows", {{56, 56, 97, 99}}, {50.0f, 87.0f}, {4.0f, 0.0f}, 53.0f, {}},
        {"a wall in the top ten rows", {{55, 55, 96, 99}}, {50.0f, 87.0f}, {4.0f, 0.0f}, 51.0f, {}},
        {"a ceiling", {{0, 255, 40, 40}}, {50.0f, 46.0f}, {0.0f, -8.0f}, {}, 41.0f},
        {"floor post at the first column", {{50, 50, 100, 100}}, {50.0f, 86.0f}, {0.0f, 2.0f}, {}, 87.0f},
        {"floor post at the last column", {{53, 53, 100, 100}}, {50.0f, 86.0f}, {0.0f, 2.0f}, {}, 87.0f},
        {"floor post at trunc(x)", {{50, 50, 100, 100}}, {50.5f, 86.0f}, {0.0f, 2.0f}, {}, 87.0f},
        {"floor post below x + 4", {{54, 54, 100, 100}}, {50.5f, 86.0f}, {0.0f, 2.0f}, {}, 87.0f},
        {"floor post outside the body", {{54, 54, 100, 100}}, {50.0f, 86.0f}, {0.0f, 2.0f}, {}, 87.5f},
        {"ceiling post at the first column", {{50, 50, 40, 40}}, {50.0f, 46.0f}, {0.0f, -8.0f}, {}, 41.0f},
        {"ceiling post at the last column", {{53, 53, 40, 40}}, {50.0f, 46.0f}, {0.0f, -8.0f}, {}, 41.0f},
        {"ceiling post at trunc(x)", {{50, 50, 40, 40}}, {50.5f, 46.0f}, {0.0f, -8.0f}, {}, 41.0f},
        {"ceiling post below x + 4", {{54, 54, 40, 40}}, {50.5f, 46.0f}, {0.0f, -8.0f}, {}, 41.0f},
        {"far below the world", {}, {50.0f, 300.0f}, {2.0f, 1.0f}, {}, 241.0f},
        {"far above and left", {}, {-500.0f, -500.0f}, {-3.0f, -5.0f}, 2.0f, 1.0f},
        {"far off", {}, {1.0e9f, 1.0e9f}, {0.0f, 0.0f}, 250.0f, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        grid.clear();
        for (const auto &[x0, x1, y0, y1] : c.ground)
            fillGround(grid, x0, x1, y0, y1);
        moveFrom(c.at, c.velocity);
        EXPECT_FLOAT_EQ(player.position().x, c.x.value_or(player.position().x));
        EXPECT_FLOAT_EQ(player.position().y, c.y.value_or(player.position().y));
    }
}

TEST_F(ActorWorld, landing_keeps_a_little_speed_and_gravity_adds_0_375_in_the_air)
{
    fillGround(grid, 0, 255, 100, 100);
    moveFrom(Vec2(50.0f, 86.0f), Vec2(0.0f, 2.0f));
    EXPECT_FLOAT_EQ(player.velocity().y, 0.1f);
    EXPECT_TRUE(player.onGround());
    moveFrom(Vec2(50.0f, 238.0f), Vec2(0.0f, 5.0f));
    EXPECT_FLOAT_EQ(player.velocity().y, 1.0f);
    EXPECT_TRUE(player.onGround());
    // Rising, falling or at rest.
    for (const float vy : {2.0f, -2.0f, 0.0f}) {
        moveFrom(Vec2(50.0f, 150.0f), Vec2(0.0f, vy));
        EXPECT_FLOAT_EQ(player.velocity().y, vy + 0.375f) << vy;
    }
    moveFrom(Vec2(248.0f, 150.0f), Vec2(4.0f, 0.0f));
    EXPECT_EQ(player.velocity().x, 0.0f) << "stopped at the side limit";
}

TEST_F(ActorWorld, one_overlapping_zombie_does_not_squeeze_the_player)
{
    // The body overlaps one zombie by a few pixels; walking out either way works.
    struct Case {
        float zombieX;
        float velocityX;
        float expectedX;
    };
    for (const Case c : {Case{48.0f, -4.0f, 47.0f}, Case{49.0f, 4.0f, 53.0f}}) {
        world.zombies.clear();
        addZombie(Vec2(c.zombieX, 87.0f), 1);
        moveFrom(Vec2(50.0f, 87.0f), Vec2(c.velocityX, 0.0f));
        EXPECT_FLOAT_EQ(player.position().x, c.expectedX) << "zombie at " << c.zombieX;
        EXPECT_FLOAT_EQ(player.health(), 1.0f);
    }
}

TEST_F(ActorWorld, walking_into_zombies_pushes_them_or_is_squeezed)
{
    Zombie &z = addZombie(Vec2(40.0f, 87.0f), 1);
    moveFrom(Vec2(47.5f, 87.0f), Vec2(-2.0f, 0.0f));
    EXPECT_FLOAT_EQ(player.position().x, 47.0f);
    // The push of -0.375 moved the zombie at once; it turned to attack.
    EXPECT_FLOAT_EQ(z.position.x, 39.625f);
    EXPECT_EQ(z.animationName(), "z_attack_right");

    world.zombies.clear();
    Zombie &h = addZombie(Vec2(48.0f, 87.0f), 1);
    addZombie(Vec2(43.0f, 87.0f), -1);
    moveFrom(Vec2(50.0f, 87.0f), Vec2(-4.0f, 0.0f));
    EXPECT_FLOAT_EQ(player.position().x, 50.0f);
    EXPECT_FLOAT_EQ(player.health(), 0.95f);
    EXPECT_EQ(h.animationName(), "z_attack_left");
}

TEST_F(ActorWorld, lands_on_a_zombie_head_beyond_the_half_pixel_margin)
{
    Zombie &z = addZombie(Vec2(50.0f, 91.1f), 1);
    moveFrom(Vec2(49.0f, 80.0f), Vec2(0.0f, 14.0f));
    EXPECT_FLOAT_EQ(player.position().y, 91.1f - 13.0f);
    EXPECT_TRUE(player.onGround());

    // New top only 0.4 above the zombie's: falls on, the zombie still feels it.
    z.position.y = 90.9f;
    z.attacking = false;
    moveFrom(Vec2(49.0f, 80.0f), Vec2(0.0f, 14.0f));
    EXPECT_FLOAT_EQ(player.position().y, 90.5f);
    EXPECT_FALSE(player.onGround());
    EXPECT_TRUE(z.attacking);
}

TEST_F(ActorWorld, full_pool_gives_depth_13_and_swimming)
{
    fillBlood(grid, 50, 53, 100, 112);
    EXPECT_EQ(mover.measureDepth(Vec2(50.0f, 95.0f)), 8);
    moveFrom(Vec2(50.0f, 100.0f), Vec2(0.0f, 0.0f));
    EXPECT_EQ(player.depth(), 13);
    EXPECT_TRUE(player.swimming());
}

// Unclamped, column -1 of row 5 is column 15 of row 4, and column 16 of
// row 3 is column 0 of row 4: the scans must see neither.
TEST(GridPlayerMoverBounds, scans_never_wrap_round_the_grid_edges)
{
    CellGrid grid(16, 16);
    fillGround(grid, 15, 15, 4, 4);
    fillGround(grid, 0, 0, 4, 4);
    const GridPlayerMover mover(&grid);
    EXPECT_FALSE(mover.findSolidAcross(Vec2(-3.0f, 5.0f), Vec2(0.0f, 6.0f), -1).found());
    EXPECT_FALSE(mover.findSolidAcross(Vec2(16.0f, 3.0f), Vec2(20.0f, 4.0f), 1).found());
    EXPECT_FALSE(mover.findSolidAlong(Vec2(-3.0f, 5.0f), Vec2(0.0f, 6.0f), 1).found());
    EXPECT_FALSE(mover.findSolidAlong(Vec2(16.0f, 3.0f), Vec2(19.0f, 3.0f), -1).found());
    const CellPoint across = mover.findSolidAcross(Vec2(-40.0f, -40.0f), Vec2(400.0f, 400.0f), -1);
    EXPECT_EQ(across.x, 15);
    EXPECT_EQ(across.y, 4);

    fillBlood(grid, 0, 15, 10, 15);
    EXPECT_EQ(mover.measureDepth(Vec2(-2.0f, 12.0f)), 0);
    EXPECT_EQ(mover.measureDepth(Vec2(14.0f, 12.0f)), 0);
    EXPECT_EQ(mover.measureDepth(Vec2(std::numeric_limits<float>::quiet_NaN(), 1.0e9f)), 0);
}

TEST_F(ActorWorld, spawn_drops_onto_ground_and_patrols_up_to_gaps_and_walls)
{
    fillGround(grid, 20, 60, 100, 100);
    fillGround(grid, 40, 40, 99, 99);
    spawnZombie(grid, 30, 50, 0.5f);
    ASSERT_EQ(world.zombies.size(), 1u);
    EXPECT_EQ(world.zombies[0]->position, Vec2(30.0f, 87.0f));
    EXPECT_FLOAT_EQ(world.zombies[0]->leftBound, 20.0f);
    EXPECT_FLOAT_EQ(world.zombies[0]->rightBound, 32.0f);

    // Nothing below, or a point off the grid: no zombie.
    spawnZombie(grid, 100, 50, 1.0f);
    fillGround(grid, 0, 0, 52, 52);
    spawnZombie(grid, 256, 50, 1.0f);
    EXPECT_EQ(world.zombies.size(), 1u);

    // On a one-pixel ledge both ends meet, and it turns on every step.
    fillGround(grid, 120, 120, 50, 50);
    spawnZombie(grid, 120, 10, 1.0f);
    ASSERT_EQ(world.zombies.size(), 2u);
    EXPECT_TRUE(world.zombies[1]->leftBound == 120.0f && world.zombies[1]->rightBound == 120.0f);
    Zombie &z = *world.zombies[1];
    for (int i = 0; i < 2; ++i) {
        const int before = z.dir;
        z.update();
        EXPECT_TRUE(z.position.x == 120.0f && z.dir == -before);
    }
    // Pushed past an end, it is put back on it and turns about.
    Zombie &w = *world.zombies[0];
    w.setDirection(1);
    w.position.x = 15.0f;
    w.update();
    EXPECT_FLOAT_EQ(w.position.x, 20.0f);
    EXPECT_EQ(w.dir, -1);
}

TEST_F(ActorWorld, zombie_from_a_level_picture_turns_at_a_wall_in_its_own_rows)
{
    // A floor at row 100, a zombie marker standing on it, and a wall to its
    // right in the zombie's own rows: the rows are built bottom-up and left
    // to right, so the wall is read after the marker.
    SDL_Surface *picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 256, 256, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    auto *pixels = static_cast<std::uint32_t *>(picture->pixels);
    const int stride = picture->pitch / 4;
    for (int x = 20; x <= 80; ++x)
        pixels[100 * stride + x] = 0xFFFFFF;
    for (int y = 88; y <= 99; ++y)
        pixels[y * stride + 50] = 0xFFFFFF;
    pixels[99 * stride + 30] = 0x00FF00;
    const std::string path = tempPath("gorlak_zombie_wall.bmp").string();
    SDL_SaveBMP(picture, path.c_str());
    SDL_FreeSurface(picture);
    struct Spawner : LevelPictureListener {
        void zombieSpawn(CellGrid &g, int x, int y) override { spawnZombie(g, x, y, 1.0f); }
        void collectable(int, int) override {}
    } spawner;
    const bool built = grid.buildFromImage(path, &spawner);
    std::filesystem::remove(path);
    ASSERT_TRUE(built);
    ASSERT_EQ(world.zombies.size(), 1u);
    Zombie &z = *world.zombies[0];
    EXPECT_FLOAT_EQ(z.leftBound, 20.0f);
    EXPECT_FLOAT_EQ(z.rightBound, 49.0f - 7.0f);
    z.setDirection(-1);
    float rightmost = 0.0f;
    for (int step = 0; step < 200; ++step) {
        z.update();
        rightmost = std::max(rightmost, z.position.x);
    }
    EXPECT_FLOAT_EQ(rightmost, 42.0f) << "the body's right edge stops short of the wall at x 50";
}

TEST_F(ActorWorld, lunges_after_six_steps_of_contact_for_six_updates_and_hurts_once)
{
    player.setPosition(Vec2(95.0f, 50.0f));
    const auto lunge = [&](Zombie &z) {
        z.setDirection(-1);
        z.contact(player, kNoMower);
        EXPECT_EQ(z.animationName(), "z_attack_left");
        for (int step = 1; step <= 5; ++step) {
            z.update();
            EXPECT_FALSE(z.lunging) << "step " << step;
            z.contact(player, kNoMower);
        }
        z.update();
        EXPECT_TRUE(z.lunging);
    };
    Zombie hurting(Vec2(100.0f, 50.0f), 0.0f, 250.0f, 1.0f);
    lunge(hurting);
    hurting.contact(player, kNoMower);
    hurting.contact(player, kNoMower);
    EXPECT_FLOAT_EQ(player.health(), 0.95f);
    // Without contact the lunge ends in the sixth update after its own.
    Zombie missing(Vec2(100.0f, 50.0f), 0.0f, 250.0f, 1.0f);
    lunge(missing);
    for (int update = 1; update <= 6; ++update) {
        missing.update();
        EXPECT_EQ(missing.lunging, update < 6) << update;
    }
}

// Walking right adds 0.1 a step, held to 0.25 (0.75 in a lunge), less 0.03
// of friction: a zombie cruises at 0.22 and lunges at up to 0.72.
TEST_F(ActorWorld, zombie_speed_is_held_to_0_25_or_0_75_in_a_lunge)
{
    for (const auto &[lunging, start, expected] :
         {std::tuple{false, 0.0f, 0.07f}, {false, 0.3f, 0.22f}, {false, -0.9f, -0.22f}, {true, 0.3f, 0.37f},
          {true, 0.7f, 0.72f}, {true, -0.9f, -0.72f}}) {
        Zombie z(Vec2(100.0f, 50.0f), 0.0f, 250.0f, 1.0f);
        z.setDirection(-1);
        z.lunging = lunging;
        z.velocity.x = start;
        z.update();
        EXPECT_NEAR(z.velocity.x, expected, 1e-6f) << lunging << " " << start;
    }
}

TEST_F(ActorWorld, no_attack_under_the_lawnmower_and_zero_health_is_alive)
{
    Zombie z(Vec2(100.0f, 50.0f), 0.0f, 250.0f, 1.0f);
    z.lunging = true;
    player.setPosition(Vec2(110.0f, 50.0f));
    z.contact(player, Vec2(104.0f, 54.0f));
    EXPECT_FALSE(z.attacking);
    EXPECT_FLOAT_EQ(player.health(), 1.0f);

    z.damage(1.0f);
    EXPECT_FALSE(z.dead);
    z.damage(0.001f);
    EXPECT_TRUE(z.dead);
}
