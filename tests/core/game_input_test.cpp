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

    SDL_Event hat{};
    hat.jhat = {SDL_JOYHATMOTION, 0, 0, SDL_HAT_LEFT};
    SDL_PushEvent(&hat);
    runFrame();
    EXPECT_FALSE(game->kbMouseMode);
    EXPECT_TRUE(game->player.keyHeld(Direction::Left));
    game->setInput(nullptr);
}
