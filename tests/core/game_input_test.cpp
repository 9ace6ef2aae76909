#include "core/input_manager.h"
#include "core/joystick_device.h"
#include "support/game_fixture.h"

using GameInput = GameFixture;

TEST_F(GameInput, joystick_events_end_keyboard_and_mouse_mode)
{
    ASSERT_TRUE(game->loadLevel("data/levels/plain.xml"));
    InputManager input;
    input.addDevice(0, std::make_unique<JoystickDevice>(&game->player));
    game->setInput(&input);

    pushKey(SDLK_d, true);
    runFrame();
    ASSERT_TRUE(game->kbMouseMode);

    // Another joystick's events are not taken.
    SDL_Event other{};
    other.type = SDL_JOYBUTTONDOWN;
    other.jbutton.which = 1;
    SDL_PushEvent(&other);
    runFrame();
    EXPECT_TRUE(game->kbMouseMode);

    SDL_Event hat{};
    hat.type = SDL_JOYHATMOTION;
    hat.jhat.which = 0;
    hat.jhat.value = SDL_HAT_LEFT;
    SDL_Event trigger{};
    trigger.type = SDL_JOYAXISMOTION;
    trigger.jaxis.which = 0;
    trigger.jaxis.axis = 2;
    trigger.jaxis.value = -16300;
    SDL_PushEvent(&hat);
    SDL_PushEvent(&trigger);
    runFrame();
    EXPECT_FALSE(game->kbMouseMode);
    EXPECT_TRUE(game->player.keyHeld(Direction::Left));
    // Out of keyboard-and-mouse mode the mouse no longer sets the throttle.
    EXPECT_FLOAT_EQ(game->player.throttle(), 0.5f);
    game->setInput(nullptr);
}
