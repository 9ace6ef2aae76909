#include "core/collectables.h"
#include "core/exit_door.h"
#include "gfx/sprite.h"

#include "play_world.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kGold = 0xFFFFD700;

class Collectables : public PlayWorld {
protected:
    // Top row of the collectable drawn in column x, or -1.
    int topRowIn(int x) const
    {
        for (int y = 0; y < 48; ++y)
            if ((pixel(x, y) & 0xFFFFFF) == (kGold & 0xFFFFFF))
                return y;
        return -1;
    }
    Vec2 far{500.0f, 500.0f};
};

}  // namespace

TEST(PointInRect, left_and_top_inside_right_and_bottom_outside)
{
    const Rect door{100, 200, 13, 21};
    EXPECT_TRUE(pointInRect(door, 100.0f, 200.0f));
    EXPECT_TRUE(pointInRect(door, 112.99f, 220.99f));
    EXPECT_FALSE(pointInRect(door, 113.0f, 210.0f));
    EXPECT_FALSE(pointInRect(door, 105.0f, 221.0f));
    EXPECT_FALSE(pointInRect(door, 99.99f, 210.0f));
    EXPECT_FALSE(pointInRect(door, 105.0f, 199.99f));
    EXPECT_FALSE(pointInRect(Rect{0, 0, 0, 0}, 0.0f, 0.0f));
}

TEST_F(Collectables, taken_strictly_within_ten_pixels)
{
    camera = Rect{60, 60, 64, 48};
    collectables = {Vec2(109.99f, 100.0f), Vec2(110.0f, 100.0f), Vec2(100.0f, 90.0f), Vec2(93.0f, 93.0f)};
    updateCollectables(Vec2(100.0f, 100.0f));
    ASSERT_EQ(collectables.size(), 2u);
    EXPECT_EQ(collectables[0], Vec2(100.0f, 90.0f));  // the last moved into the freed slot
    EXPECT_EQ(collectables[1], Vec2(110.0f, 100.0f));
}

TEST_F(Collectables, only_the_widened_camera_window_takes_part)
{
    // The window reaches 5 pixels past the camera sideways and 7 up and down:
    // x in [45, 119) and y in [43, 105).
    camera = Rect{50, 50, 64, 48};
    const Vec2 outside[] = {Vec2(44.9f, 60.0f), Vec2(119.0f, 60.0f), Vec2(60.0f, 42.9f), Vec2(60.0f, 105.0f)};
    const Vec2 inside[] = {Vec2(45.0f, 60.0f), Vec2(118.9f, 60.0f), Vec2(60.0f, 43.0f), Vec2(60.0f, 104.9f)};
    for (Vec2 c : outside) {
        collectables = {c};
        updateCollectables(c);  // the player stands on it
        EXPECT_EQ(collectables.size(), 1u) << c.x << "," << c.y;
    }
    for (Vec2 c : inside) {
        collectables = {c};
        updateCollectables(c);
        EXPECT_TRUE(collectables.empty()) << c.x << "," << c.y;
    }
}

TEST_F(Collectables, a_collectable_moved_into_a_freed_slot_is_examined_again)
{
    camera = Rect{0, 0, 64, 48};
    const Vec2 centre(30.0f, 30.0f);
    collectables = {Vec2(30.0f, 31.0f), Vec2(5.0f, 5.0f), Vec2(50.0f, 5.0f), Vec2(31.0f, 30.0f)};
    updateCollectables(centre);
    ASSERT_EQ(collectables.size(), 2u);
    EXPECT_EQ(collectables[0], Vec2(50.0f, 5.0f));
    EXPECT_EQ(collectables[1], Vec2(5.0f, 5.0f));
}

TEST_F(Collectables, all_bob_together_up_two_three_two_then_rest)
{
    video.collectableImage = picture(3, 3, kGold);
    camera = Rect{0, 0, 64, 48};
    collectables = {Vec2(20.5f, 20.9f), Vec2(40.0f, 30.0f)};
    // Centre (20, 20) of a 3 x 3 picture: rows 18 to 20 at rest.
    const int expectedTop[] = {18, 16, 15, 16, 18, 18, 18, 16};
    for (int phase = 0; phase < 8; ++phase) {
        clearWorldSurface();
        updateCollectables(far);
        EXPECT_EQ(topRowIn(20), expectedTop[phase]) << phase;
        EXPECT_EQ(topRowIn(40) - 28, topRowIn(20) - 18) << phase;
        gameclock::advance(100);
        clearWorldSurface();
        updateCollectables(far);  // exactly 100 ms later: no change yet
        EXPECT_EQ(topRowIn(20), expectedTop[phase]) << phase;
        gameclock::advance(1);
    }
}

TEST_F(Collectables, door_opens_once_all_are_taken_and_is_left_through_its_rectangle)
{
    addAnimation("door_closed", Rect{0, 0, 13, 21});
    addAnimation("door_open", Rect{13, 0, 13, 21});
    Sprite door;
    door.play("door_closed");
    doorRect = Rect{100, 200, 13, 21};
    bool doorOpen = false;

    // A collectable left anywhere keeps the door shut, even for a player inside.
    collectables = {Vec2(5.0f, 5.0f)};
    EXPECT_FALSE(updateExitDoor(doorOpen, &door, Vec2(105.0f, 210.0f)));
    EXPECT_FALSE(doorOpen);
    EXPECT_EQ(door.animation()->name, "door_closed");

    // A level without collectables opens its door in its first frame.
    clearCollectables();
    EXPECT_FALSE(updateExitDoor(doorOpen, &door, far));
    EXPECT_TRUE(doorOpen);
    EXPECT_EQ(door.animation()->name, "door_open");

    EXPECT_TRUE(updateExitDoor(doorOpen, &door, Vec2(100.0f, 200.0f)));
    EXPECT_TRUE(updateExitDoor(doorOpen, &door, Vec2(112.99f, 220.99f)));
    EXPECT_FALSE(updateExitDoor(doorOpen, &door, Vec2(113.0f, 210.0f)));
    EXPECT_FALSE(updateExitDoor(doorOpen, &door, Vec2(105.0f, 221.0f)));

    // An open door stays open and works without a sprite.
    bool open = true;
    EXPECT_TRUE(updateExitDoor(open, nullptr, Vec2(105.0f, 210.0f)));
    bool closed = false;
    EXPECT_FALSE(updateExitDoor(closed, nullptr, far));
    EXPECT_TRUE(closed);
}
