#include "core/collectables.h"
#include "core/exit_door.h"

#include "play_world.h"
#include "support/event_recorder.h"
#include "world/world_state.h"

using Collectables = PlayWorld;

TEST_F(Collectables, taken_strictly_within_ten_pixels_inside_the_widened_window)
{
    camera = Rect{50, 50, 64, 48};  // window x in [45, 119), y in [43, 105)
    world.collectables = {Vec2(109.99f, 100.0f), Vec2(110.0f, 100.0f), Vec2(100.0f, 90.0f), Vec2(93.0f, 93.0f)};
    const EventRecorder events;
    updateCollectables(Vec2(100.0f, 100.0f));
    ASSERT_EQ(events.count(GameEventKind::GemTaken), 2);
    EXPECT_EQ(events.events[0].position, Vec2(109.99f, 100.0f));
    EXPECT_EQ(events.events[1].position, Vec2(93.0f, 93.0f));
    // The last one moved into the first freed slot and was examined again.
    EXPECT_EQ(world.collectables, (std::vector<Vec2>{Vec2(100.0f, 90.0f), Vec2(110.0f, 100.0f)}));

    // Standing on one: taken only inside the window.
    for (const auto &[c, inside] : {std::pair{Vec2(44.9f, 60.0f), false}, {Vec2(119.0f, 60.0f), false},
                                    {Vec2(60.0f, 42.9f), false}, {Vec2(60.0f, 105.0f), false},
                                    {Vec2(45.0f, 60.0f), true}, {Vec2(118.9f, 60.0f), true},
                                    {Vec2(60.0f, 43.0f), true}, {Vec2(60.0f, 104.9f), true}}) {
        world.collectables = {c};
        updateCollectables(c);
        EXPECT_EQ(world.collectables.empty(), inside) << c.x << "," << c.y;
    }
}

TEST_F(Collectables, all_bob_together_up_two_three_two_then_rest)
{
    video.collectableImage = picture(3, 3, 0xFFD700);
    camera = Rect{0, 0, 64, 48};
    world.collectables = {Vec2(20.5f, 20.9f), Vec2(40.0f, 30.0f)};
    const int lift[] = {0, 2, 3, 2, 0, 0, 0, 2};  // one phase per 100 ms and a bit
    for (int phase = 0; phase < 8; ++phase) {
        for (int waited : {0, 100}) {  // exactly 100 ms changes nothing yet
            wallclock::advance(static_cast<std::uint32_t>(waited));
            SDL_FillRect(video.world.get(), nullptr, 0);
            updateCollectables(Vec2(500.0f, 500.0f));
            // 3 x 3 pictures centred on (20, 20) and (40, 30).
            EXPECT_EQ(rgb(20, 18 - lift[phase]), 0xFFD700u) << phase;
            EXPECT_EQ(rgb(20, 21 - lift[phase]), 0u) << phase;
            EXPECT_EQ(rgb(40, 28 - lift[phase]), 0xFFD700u) << phase;
        }
        wallclock::advance(1);
    }
}

TEST_F(Collectables, door_opens_when_none_is_left_and_is_left_through_its_rectangle)
{
    addAnimation("door_closed", Rect{0, 0, 13, 21});
    addAnimation("door_open", Rect{13, 0, 13, 21});
    Sprite door;
    door.play("door_closed");
    world.doorRect = Rect{100, 200, 13, 21};
    bool doorOpen = false;
    world.collectables = {Vec2(5.0f, 5.0f)};
    EXPECT_FALSE(updateExitDoor(doorOpen, &door, Vec2(105.0f, 210.0f)));
    EXPECT_FALSE(doorOpen);
    EXPECT_EQ(door.animation()->name, "door_closed");

    // As in the first frame of a level without collectables.
    world.collectables.clear();
    const EventRecorder events;
    EXPECT_FALSE(updateExitDoor(doorOpen, &door, Vec2(0.0f, 0.0f)));
    EXPECT_FALSE(updateExitDoor(doorOpen, &door, Vec2(0.0f, 0.0f)));
    ASSERT_EQ(events.count(GameEventKind::DoorOpened), 1);
    EXPECT_EQ(events.events[0].position, Vec2(100.0f, 200.0f));
    EXPECT_TRUE(doorOpen);
    EXPECT_EQ(door.animation()->name, "door_open");
    EXPECT_TRUE(updateExitDoor(doorOpen, &door, Vec2(100.0f, 200.0f)));
    EXPECT_TRUE(updateExitDoor(doorOpen, nullptr, Vec2(112.99f, 220.99f)));
    for (const Vec2 outside : {Vec2(113.0f, 210.0f), Vec2(105.0f, 221.0f), Vec2(99.99f, 199.99f)}) {
        EXPECT_FALSE(updateExitDoor(doorOpen, &door, outside)) << outside.x << "," << outside.y;
    }
}
