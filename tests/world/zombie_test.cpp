#include "world/zombie.h"

#include "test_world.h"
#include "world/player_controls.h"
#include "world/random.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// A stand-in player that only records the damage it takes.
class StubPlayer : public PlayerControls {
public:
    explicit StubPlayer(Vec2 at) : at_(at) {}
    void damage(float amount) override { taken += amount; }
    void setThrottle(float) override {}
    void setAimAngle(float) override {}
    void press(Direction) override {}
    void release(Direction) override {}
    Vec2 position() const override { return at_; }

    float taken = 0.0f;

private:
    Vec2 at_;
};

class ZombieWorld : public ::testing::Test {
protected:
    void SetUp() override
    {
        clearZombies();
        seedRandom(3);
    }
    void TearDown() override { clearZombies(); }

    CellGrid grid{256, 256};
};

// Turns the green pixels of a level picture into zombies, as the game does.
class ZombieSpawner : public LevelPictureListener {
public:
    void zombieSpawn(CellGrid &grid, int x, int y) override { spawnZombie(grid, x, y, 1.0f); }
    void collectable(int, int) override {}
};

void putColor(SDL_Surface *picture, int x, int y, Uint32 rgb)
{
    auto *row = reinterpret_cast<Uint32 *>(static_cast<Uint8 *>(picture->pixels) + y * picture->pitch);
    row[x] = rgb;
}

// A far-away point, so that the lawnmower is never on the zombie.
const Vec2 kNoMower(500.0f, 500.0f);

}  // namespace

TEST_F(ZombieWorld, spawn_drops_onto_ground_and_patrols_it)
{
    fillGround(grid, 20, 60, 100, 100);
    spawnZombie(grid, 30, 50, 1.0f);
    ASSERT_EQ(zombies.size(), 1u);
    const Zombie &z = *zombies[0];
    EXPECT_EQ(z.position, Vec2(30.0f, 87.0f));
    EXPECT_FLOAT_EQ(z.leftBound, 20.0f);
    EXPECT_FLOAT_EQ(z.rightBound, 53.0f);
    EXPECT_FLOAT_EQ(z.health, 1.0f);
    EXPECT_TRUE(z.dir == 1 || z.dir == -1);
    EXPECT_EQ(z.animationName(), z.dir == 1 ? "z_walk_left" : "z_walk_right");

    // Nothing below: no zombie.
    spawnZombie(grid, 100, 50, 1.0f);
    EXPECT_EQ(zombies.size(), 1u);
}

TEST_F(ZombieWorld, patrol_range_ends_at_walls_gaps_and_narrow_ledges)
{
    // A wall one row above the ground at column 40 ends the walk there.
    fillGround(grid, 20, 60, 100, 100);
    fillGround(grid, 40, 40, 99, 99);
    spawnZombie(grid, 30, 90, 1.0f);
    ASSERT_EQ(zombies.size(), 1u);
    EXPECT_FLOAT_EQ(zombies[0]->leftBound, 20.0f);
    EXPECT_FLOAT_EQ(zombies[0]->rightBound, 32.0f);

    // A one-pixel ledge pins both ends to the column.
    fillGround(grid, 120, 120, 50, 50);
    spawnZombie(grid, 120, 10, 1.0f);
    ASSERT_EQ(zombies.size(), 2u);
    EXPECT_FLOAT_EQ(zombies[1]->leftBound, 120.0f);
    EXPECT_FLOAT_EQ(zombies[1]->rightBound, 120.0f);
    EXPECT_EQ(zombies[1]->position, Vec2(120.0f, 37.0f));

    // Narrower than a zombie: the right end is never left of the left end.
    fillGround(grid, 150, 154, 80, 80);
    spawnZombie(grid, 152, 70, 0.5f);
    ASSERT_EQ(zombies.size(), 3u);
    EXPECT_FLOAT_EQ(zombies[2]->leftBound, 150.0f);
    EXPECT_FLOAT_EQ(zombies[2]->rightBound, 150.0f);
    EXPECT_FLOAT_EQ(zombies[2]->health, 0.5f);
}

TEST_F(ZombieWorld, one_pixel_ledge_turns_on_every_step)
{
    fillGround(grid, 120, 120, 50, 50);
    spawnZombie(grid, 120, 10, 1.0f);
    Zombie &z = *zombies[0];
    int previous = z.dir;
    for (int i = 0; i < 4; ++i) {
        z.update();
        EXPECT_EQ(z.position.x, 120.0f);
        EXPECT_NE(z.dir, previous);
        previous = z.dir;
    }
}

TEST_F(ZombieWorld, cruises_at_0_22_and_turns_at_the_ends)
{
    Zombie z(Vec2(100.0f, 50.0f), 90.0f, 101.0f, 1.0f);
    z.setDirection(-1);
    z.update();
    EXPECT_FLOAT_EQ(z.velocity.x, 0.07f);
    z.update();
    z.update();
    z.update();
    EXPECT_FLOAT_EQ(z.velocity.x, 0.22f);
    EXPECT_FLOAT_EQ(z.position.x, 100.64f);

    // The sixth step would pass the right end at 101.
    z.update();
    z.update();
    EXPECT_FLOAT_EQ(z.position.x, 101.0f);
    EXPECT_EQ(z.dir, 1);
    EXPECT_EQ(z.animationName(), "z_walk_left");

    // Pushed past the left end, it is put back on the end and turns about.
    z.position.x = 85.0f;
    z.update();
    EXPECT_FLOAT_EQ(z.position.x, 90.0f);
    EXPECT_EQ(z.dir, -1);
    EXPECT_EQ(z.animationName(), "z_walk_right");
}

TEST_F(ZombieWorld, contact_faces_the_player_and_lunges_after_six_steps)
{
    Zombie z(Vec2(100.0f, 50.0f), 0.0f, 250.0f, 1.0f);
    z.setDirection(-1);
    StubPlayer player(Vec2(95.0f, 50.0f));

    z.contact(player, kNoMower);
    EXPECT_EQ(z.dir, 1);
    EXPECT_TRUE(z.attacking);
    EXPECT_EQ(z.animationName(), "z_attack_left");
    for (int step = 1; step <= 5; ++step) {
        z.update();
        EXPECT_FALSE(z.lunging) << "step " << step;
        z.contact(player, kNoMower);
    }
    z.update();
    EXPECT_TRUE(z.lunging);
    EXPECT_FLOAT_EQ(player.taken, 0.0f);

    // Only the first touch of the lunge hurts.
    z.contact(player, kNoMower);
    EXPECT_FLOAT_EQ(player.taken, 0.05f);
    EXPECT_FALSE(z.lunging);
    z.contact(player, kNoMower);
    EXPECT_FLOAT_EQ(player.taken, 0.05f);
}

TEST_F(ZombieWorld, lunge_triples_the_speed_limit_for_six_steps)
{
    Zombie z(Vec2(100.0f, 50.0f), 0.0f, 250.0f, 1.0f);
    z.setDirection(1);
    z.lunging = true;
    z.velocity.x = -0.66f;
    z.update();
    EXPECT_FLOAT_EQ(z.velocity.x, -0.72f);
    for (int i = 0; i < 5; ++i) {
        z.update();
    }
    EXPECT_FALSE(z.lunging);
    EXPECT_FLOAT_EQ(z.velocity.x, -0.22f);
}

TEST_F(ZombieWorld, no_attack_while_the_lawnmower_is_on_it)
{
    Zombie z(Vec2(100.0f, 50.0f), 0.0f, 250.0f, 1.0f);
    z.setDirection(1);
    z.lunging = true;
    StubPlayer player(Vec2(110.0f, 50.0f));
    const Vec2 mower(104.0f, 54.0f);
    ASSERT_TRUE(z.touches(mower));
    EXPECT_FALSE(z.touches(Vec2(110.5f, 53.5f)));

    z.contact(player, mower);
    EXPECT_FALSE(z.attacking);
    EXPECT_FLOAT_EQ(player.taken, 0.0f);
    EXPECT_EQ(z.dir, -1);
    EXPECT_EQ(z.animationName(), "z_walk_right");
}

TEST_F(ZombieWorld, contact_moves_a_pushed_zombie_at_once)
{
    Zombie z(Vec2(100.0f, 50.0f), 0.0f, 250.0f, 1.0f);
    z.velocity.x = -0.375f;
    StubPlayer player(Vec2(106.0f, 50.0f));
    z.contact(player, kNoMower);
    EXPECT_FLOAT_EQ(z.position.x, 99.625f);
    EXPECT_EQ(z.velocity.x, 0.0f);
}

TEST_F(ZombieWorld, health_exactly_zero_is_alive)
{
    Zombie z(Vec2(100.0f, 50.0f), 0.0f, 250.0f, 0.5f);
    z.damage(0.5f);
    EXPECT_EQ(z.health, 0.0f);
    EXPECT_FALSE(z.dead);
    z.damage(0.001f);
    EXPECT_TRUE(z.dead);

    // A dead zombie no longer moves.
    const Vec2 before = z.position;
    z.update();
    EXPECT_EQ(z.position, before);
}

TEST_F(ZombieWorld, shredding_shakes_off_its_place_five_strikes_in_six)
{
    Zombie z(Vec2(100.0f, 50.0f), 0.0f, 250.0f, 1.0f);
    z.setDirection(1);
    float offsets[12] = {};
    for (float &offset : offsets) {
        z.shredReaction();
        offset = z.position.x - 100.0f;
    }
    const float expected[12] = {1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 0};
    for (int i = 0; i < 12; ++i) {
        EXPECT_FLOAT_EQ(offsets[i], expected[i]) << "strike " << i + 1;
    }
    EXPECT_EQ(z.animationName(), "z_attack_left");
}

TEST_F(ZombieWorld, green_pixels_of_the_level_picture_spawn_zombies_on_the_ground_below)
{
    SDL_Surface *picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 64, 64, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0);
    ASSERT_NE(picture, nullptr);
    for (int x = 5; x <= 30; ++x) {
        putColor(picture, x, 40, 0xFFFFFF);
    }
    putColor(picture, 10, 20, 0x00FF00);
    putColor(picture, 50, 20, 0x00FF00);
    const std::string path = ::testing::TempDir() + "zombie_spawn_level.bmp";
    ASSERT_EQ(SDL_SaveBMP(picture, path.c_str()), 0);
    SDL_FreeSurface(picture);

    ZombieSpawner spawner;
    ASSERT_TRUE(grid.buildFromImage(path, &spawner));
    std::remove(path.c_str());

    // The spawn over empty space makes nothing.
    ASSERT_EQ(zombies.size(), 1u);
    EXPECT_EQ(zombies[0]->position, Vec2(10.0f, 27.0f));
    EXPECT_FLOAT_EQ(zombies[0]->leftBound, 5.0f);
    EXPECT_FLOAT_EQ(zombies[0]->rightBound, 23.0f);
}
