#include "core/collectables.h"
#include "core/game_session.h"
#include "core/input_manager.h"
#include "core/joystick_device.h"
#include "core/program.h"
#include "gfx/door_sprite.h"
#include "gfx/scene_render.h"
#include "gfx/video.h"
#include "platform/clock.h"
#include "support/event_recorder.h"
#include "support/game_fixture.h"
#include "support/temp_path.h"
#include "world/blood_particles.h"
#include "world/cell_grid.h"
#include "world/grid_simulation.h"
#include "world/random.h"
#include "world/solid_cell.h"
#include "world/world_state.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <vector>

using Game_ = GameFixture;

TEST_F(Game_, pacing_runs_two_steps_or_one_when_late)
{
    ASSERT_TRUE(game->loadLevel("data/levels/plain.xml"));
    const int start = world.gridSimulation.simulationStep;
    // The first frame of a level runs no earlier than 33 ms after the load.
    for (const auto &[ms, steps] : {std::pair{32, 0}, {1, 2}, {41, 3}, {40, 5}}) {
        wallclock::advance(ms);
        game->update();
        EXPECT_EQ(world.gridSimulation.simulationStep, start + steps) << ms;
    }
    EXPECT_EQ(game->msUntilNextFrame(), 33u);
}

TEST_F(Game_, camera_pan_runs_from_its_start_and_stops_by_the_distance_before_the_move)
{
    ASSERT_TRUE(game->loadLevel("data/levels/pan.xml"));
    EXPECT_TRUE(game->cameraPanning);
    EXPECT_EQ(game->cameraPos, Vec2(200.0f, 100.0f));
    EXPECT_FLOAT_EQ(game->panSpeed, 2.0f);
    for (int frame = 0; frame < 10; ++frame) {
        runFrame();  // towards the player, who lands meanwhile
    }
    EXPECT_LT(game->cameraPos.x, 200.0f);
    // Squared distance 1.5625 pans on, though the move brings it to 1.0;
    // 1.44 is below 1.5 and stops.
    game->panSpeed = 0.25f;
    for (const auto &[dx, panning] : {std::pair{1.25f, true}, {1.2f, false}}) {
        const Vec2 centre = game->player.centre();
        game->cameraPanning = true;
        game->cameraPos = centre + Vec2(dx, 0.0f);
        runFrame();
        ASSERT_EQ(game->player.centre(), centre);
        EXPECT_EQ(game->cameraPanning, panning) << dx;
    }

    // The next level without a pan does not pan.
    ASSERT_TRUE(game->loadLevel("data/levels/plain.xml"));
    EXPECT_FALSE(game->cameraPanning);
}

TEST_F(Game_, blood_sucker_empties_rows_128_to_167_only)
{
    ASSERT_TRUE(game->loadLevel("data/levels/nostart.xml"));
    EXPECT_TRUE(game->bloodSucker);
    CellGrid &grid = world.grid;
    for (int y : {127, 128, 150, 167, 168}) {
        grid.placeBlood(5, y);
    }
    grid.slot(6, 130) = std::make_unique<SolidCell>();
    runFrame();
    for (int y : {127, 128, 150, 167, 168}) {
        EXPECT_EQ(grid.cellAt(5, y) != nullptr, y == 127 || y == 168) << y;
    }
    EXPECT_NE(grid.cellAt(6, 130), nullptr);
}

TEST_F(Game_, keys_mouse_joystick_and_window_events)
{
    ASSERT_TRUE(game->loadLevel("data/levels/plain.xml"));
    // Regaining focus or moving the mouse alone does not set the mode.
    SDL_Event focus{};
    focus.active = {SDL_ACTIVEEVENT, 1, SDL_APPINPUTFOCUS};
    pushEvent(focus);
    pushEvent(mouseMotionEvent(200, 40));
    runFrame();
    EXPECT_FALSE(game->kbMouseMode);

    // The mouse aims from its world point, screen / pixel size + camera,
    // about the player's centre.
    pushKey(SDLK_d, true);
    runFrame();
    EXPECT_TRUE(game->kbMouseMode);
    EXPECT_TRUE(game->player.keyHeld(Direction::Right));
    EXPECT_FLOAT_EQ(game->player.throttle(), 0.001f);
    const Vec2 aim = Vec2(200 / 4 + camera.x, 40 / 4 + camera.y) - game->player.centre();
    EXPECT_NEAR(game->player.aimAngle(), std::atan2(aim.y, aim.x), 1e-5f);

    pushEvent(mouseButtonEvent(SDL_BUTTON_LEFT, true));
    pushKey(SDLK_d, false);
    runFrame();
    EXPECT_TRUE(game->leftButtonHeld);
    EXPECT_FALSE(game->player.keyHeld(Direction::Right));
    EXPECT_TRUE(game->kbMouseMode);  // releases never change the mode
    EXPECT_FLOAT_EQ(game->player.throttle(), 1.0f);

    focus.active = {SDL_ACTIVEEVENT, 0, SDL_APPINPUTFOCUS};
    pushEvent(focus);
    runFrame();
    EXPECT_FALSE(game->kbMouseMode);

    // So do joystick events.
    InputManager input;
    input.addDevice(0, std::make_unique<JoystickDevice>(&game->player));
    game->setInput(&input);
    pushKey(SDLK_d, true);
    runFrame();
    ASSERT_TRUE(game->kbMouseMode);
    pushEvent(joyHatEvent(0, SDL_HAT_LEFT));
    runFrame();
    EXPECT_FALSE(game->kbMouseMode);
    EXPECT_TRUE(game->player.keyHeld(Direction::Left));
    game->setInput(nullptr);

    // Escape and the window's close request each end the program.
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    for (const SDL_Event &event : {keyEvent(SDLK_ESCAPE, true), quit}) {
        pushEvent(event);
        EXPECT_EQ(runOneFrame(), ProgramState::Quit);
        EXPECT_FALSE(game->running);
        stopProgram();
        SetUp();
        ASSERT_TRUE(game->loadLevel("data/levels/plain.xml"));
    }
}

TEST_F(Game_, a_quit_in_the_frame_that_enters_the_door_ends_the_program)
{
    GameSession &session = *runningSession();
    ASSERT_TRUE(session.startAt(1));
    world.collectables.clear();
    // Centre the player in the door, then quit in the same frame.
    game->player.setPosition(Vec2(world.doorRect.x + 4.0f, world.doorRect.y + 6.0f));
    pushKey(SDLK_ESCAPE, true);
    const EventRecorder events;
    EXPECT_EQ(runOneFrame(), ProgramState::Quit);
    EXPECT_TRUE(game->levelFinished);
    EXPECT_EQ(events.count(GameEventKind::DoorOpened), 1);
    EXPECT_EQ(events.count(GameEventKind::LevelFinished), 1);
    EXPECT_EQ(session.levelList.current, 1);
}

// The grid is emptied so that the burst's particles fly free in their
// first frame. The view is 64 x 48.
TEST_F(Game_, outro_bursts_after_12250_ms_pans_up_after_14250_ms_and_hears_only_quitting)
{
    ASSERT_TRUE(game->loadLevel("data/levels/outro.xml"));
    EXPECT_TRUE(game->outro);
    world.grid.clear();
    const Vec2 start = game->player.position();
    pushKey(SDLK_w, true);
    wallclock::advance(12250);
    game->update();
    EXPECT_TRUE(world.particles.empty());
    const Rect held{85, 208, 64, 48};  // centred on (117, 246), clamped to the bottom
    EXPECT_EQ(camera, held);
    EXPECT_EQ(game->player.position(), start);
    EXPECT_FALSE(game->player.keyHeld(Direction::Up) || game->kbMouseMode);
    // Far from the player, the message is shown all the same.
    ASSERT_EQ(game->messages.size(), 1u);
    EXPECT_TRUE(game->messages[0]->shown);

    // In the next frame 60 blood-carrying, then 120 dry particles leave
    // (103, 244): the base (0, -5) turns in place by randomFloat(-1.5, 1.5)
    // and is scaled by randomFloat(0.25, 1.15) for each. Each then flies one
    // frame, ceil(0.65 x speed) unit steps, and gains 0.325 of fall.
    seedRandom(5);
    Vec2 base(0.0f, -5.0f);
    std::vector<Vec2> burst;
    for (int i = 0; i < 180; ++i) {
        base.rotate(randomFloat(-1.5f, 1.5f));
        burst.push_back(base * randomFloat(0.25f, 1.15f));
    }
    seedRandom(5);
    const EventRecorder events;
    runFrame();
    ASSERT_EQ(events.count(GameEventKind::OutroBurst), 1);
    EXPECT_EQ(events.last(GameEventKind::OutroBurst).position, Vec2(103.0f, 244.0f));
    ASSERT_EQ(world.particles.size(), burst.size());
    for (std::size_t i = 0; i < burst.size(); ++i) {
        const BloodParticle &p = *world.particles[i];
        const Vec2 v = burst[i];
        const Vec2 from = p.position - v.normalized() * std::ceil(v.length() * 0.65f);
        ASSERT_EQ(p.makesBlood, i < 60) << i;
        ASSERT_LT((p.velocity - v - Vec2(0.0f, 0.325f)).length(), 1e-4f) << i;
        ASSERT_LT((from - Vec2(103.0f, 244.0f)).length(), 1e-3f) << i;
    }

    wallclock::advance(14250 - 12283);
    game->update();
    EXPECT_FALSE(game->cameraPanning);
    runFrame();
    EXPECT_TRUE(game->cameraPanning);
    EXPECT_EQ(camera, held);
    // One world pixel up a frame, resting on (117, 50) after 196 frames.
    for (int frame = 1; frame <= 200; ++frame) {
        runFrame();
        const float y = std::max(246.0f - static_cast<float>(frame), 50.0f);
        ASSERT_EQ(game->cameraPos, Vec2(117.0f, y)) << frame;
        ASSERT_EQ(camera, (Rect{85, std::min(static_cast<int>(y) - 24, 208), 64, 48})) << frame;
    }
    EXPECT_TRUE(game->running);
    pushKey(SDLK_ESCAPE, true);
    runFrame();
    EXPECT_FALSE(game->running);
}

TEST_F(Game_, level_load_places_player_door_and_keeps_start_marker)
{
    ASSERT_TRUE(game->loadLevel("data/levels/outro.xml"));
    ASSERT_TRUE(game->loadLevel("data/levels/plain.xml"));
    EXPECT_FALSE(game->outro);
    EXPECT_TRUE(game->messages.empty());
    EXPECT_EQ(game->player.position(), Vec2(40.0f, 226.0f));
    EXPECT_EQ(doorSprite->bounds().x, 200);
    EXPECT_EQ(doorSprite->bounds().y, 219);
    EXPECT_EQ(world.collectables.size(), 1u);
    EXPECT_EQ(groundColor, 0xFF996600u);

    // Take the collectable: the door opens.
    world.collectables.clear();
    runFrame();
    EXPECT_TRUE(game->doorOpen);
    EXPECT_EQ(doorSprite->animation()->name, "door_open");
    game->kbMouseMode = true;

    game->player.setPosition(Vec2(100.0f, 100.0f));
    ASSERT_TRUE(game->loadLevel("data/levels/nostart.xml"));
    EXPECT_EQ(game->player.position(), Vec2(40.0f, 226.0f));
    EXPECT_FALSE(game->doorOpen);
    EXPECT_EQ(doorSprite->animation()->name, "door_closed");
    EXPECT_TRUE(game->kbMouseMode);
    EXPECT_FALSE(game->levelFinished);
}

TEST_F(Game_, missing_level_content_is_an_error_naming_the_file)
{
    testing::internal::CaptureStderr();
    EXPECT_FALSE(game->loadLevel("data/levels/no_such_level.xml"));
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("data/levels/no_such_level.xml"), std::string::npos) << err;

    const auto file = tempPath("gorlak_missing_picture.xml");
    std::ofstream(file) << "<GorlakLevel><LevelImage>nowhere.png</LevelImage></GorlakLevel>\n";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(game->loadLevel(file.string()));
    err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("nowhere.png"), std::string::npos) << err;
    std::filesystem::remove(file);
}

TEST_F(Game_, a_second_start_up_in_one_process_draws_with_its_own_pictures)
{
    // Shutting down frees the collectable picture; the collectables' sprite
    // must not keep drawing from it after the next start-up.
    ASSERT_TRUE(game->loadLevel("data/levels/plain.xml"));
    ASSERT_EQ(world.collectables.size(), 1u);
    runFrame();
    stopProgram();
    SetUp();
    ASSERT_TRUE(game->loadLevel("data/levels/plain.xml"));
    ASSERT_EQ(world.collectables.size(), 1u);
    runFrame();
    EXPECT_TRUE(game->running);
}

TEST_F(Game_, a_pan_starting_far_outside_the_world_keeps_the_camera_inside)
{
    ASSERT_TRUE(game->loadLevel("data/levels/plain.xml"));
    for (const float start : {-1.0e30f, 1.0e30f, std::nanf("")}) {
        game->cameraPanning = true;
        game->panSpeed = 1.0e30f;
        game->cameraPos = Vec2(start, -start);
        runFrame();
        EXPECT_TRUE(camera.x >= 0 && camera.y >= 0 && camera.x + camera.w <= 256 && camera.y + camera.h <= 256)
            << camera.x << "," << camera.y;
    }
}
