#include "core/joystick_device.h"
#include "recording_controls.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <numbers>

using Calls = std::vector<std::string>;

TEST(JoystickDevice, throttle_from_the_negative_half_of_axis_two)
{
    RecordingControls player;
    JoystickDevice pad(&player);
    pad.handle(InputDevice::kAxis, 2, 20000);
    EXPECT_TRUE(player.calls.empty());
    pad.handle(InputDevice::kAxis, 2, -16300);
    EXPECT_FLOAT_EQ(player.throttle, 0.5f);
    pad.handle(InputDevice::kAxis, 2, -32768);
    EXPECT_NEAR(player.throttle, 32768.0f / 32600.0f, 1e-6f);
}

TEST(JoystickDevice, aim_combines_both_axes_outside_the_dead_zone)
{
    RecordingControls player;
    JoystickDevice pad(&player);
    pad.handle(InputDevice::kAxis, 4, 0);
    pad.handle(InputDevice::kAxis, 3, -8000);
    EXPECT_TRUE(player.calls.empty());
    pad.handle(InputDevice::kAxis, 3, -8200);
    ASSERT_EQ(player.calls, Calls{"aim"});
    EXPECT_FLOAT_EQ(player.aim, -std::numbers::pi_v<float> / 2.0f);
    pad.handle(InputDevice::kAxis, 3, 20000);   // down
    pad.handle(InputDevice::kAxis, 4, -20000);  // and left
    EXPECT_FLOAT_EQ(player.aim, 3.0f * std::numbers::pi_v<float> / 4.0f);
}

TEST(JoystickDevice, hat_reports_only_changed_directions_in_order)
{
    RecordingControls player;
    JoystickDevice pad(&player);
    pad.handle(InputDevice::kHat, 0, SDL_HAT_UP);
    pad.handle(InputDevice::kHat, 0, SDL_HAT_RIGHTUP);
    EXPECT_EQ(player.calls, (Calls{"press Up", "press Right"}));
    player.calls.clear();
    pad.handle(InputDevice::kHat, 0, SDL_HAT_CENTERED);
    pad.handle(InputDevice::kHat, 0, SDL_HAT_LEFTDOWN);
    EXPECT_EQ(player.calls, (Calls{"release Up", "release Right", "press Down", "press Left"}));
}

TEST(JoystickDevice, ignores_other_inputs_and_drops_everything_without_a_target)
{
    RecordingControls player;
    JoystickDevice pad(&player);
    pad.handle(InputDevice::kButton, 0, InputDevice::kPressed);
    for (int axis : {0, 1, 5, 6}) {
        pad.handle(InputDevice::kAxis, axis, -32768);
    }
    pad.handle(InputDevice::kHat, 1, SDL_HAT_UP);
    EXPECT_TRUE(player.calls.empty());

    JoystickDevice unplugged(nullptr);
    unplugged.handle(InputDevice::kAxis, 2, -20000);
    unplugged.handle(InputDevice::kAxis, 3, -20000);
    unplugged.handle(InputDevice::kHat, 0, SDL_HAT_UP);
}
