#include "core/joystick_device.h"
#include "world/player_controls.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;
constexpr float kPi = std::numbers::pi_v<float>;

// Writes down every call.
struct RecordingControls : PlayerControls {
    void damage(float) override { calls.push_back("damage"); }
    void setThrottle(float value) override { throttle = value; calls.push_back("throttle"); }
    void setAimAngle(float angle) override { aim = angle; calls.push_back("aim"); }
    void press(Direction d) override { calls.push_back("press " + std::to_string(static_cast<int>(d))); }
    void release(Direction d) override { calls.push_back("release " + std::to_string(static_cast<int>(d))); }
    Vec2 position() const override { return Vec2(); }

    Calls calls;
    float throttle = -1.0f;
    float aim = 99.0f;
};

}  // namespace

TEST(JoystickDevice, throttle_from_the_negative_half_of_axis_two_only)
{
    RecordingControls player;
    JoystickDevice pad(&player);
    pad.handle(InputDevice::kAxis, 2, 20000);
    EXPECT_TRUE(player.calls.empty());
    pad.handle(InputDevice::kAxis, 2, -16300);
    EXPECT_FLOAT_EQ(player.throttle, 0.5f);
    // Buttons, other axes and other hats steer nothing.
    pad.handle(InputDevice::kButton, 0, InputDevice::kPressed);
    for (int axis : {0, 1, 5}) {
        pad.handle(InputDevice::kAxis, axis, -32768);
    }
    pad.handle(InputDevice::kHat, 1, SDL_HAT_UP);
    EXPECT_EQ(player.calls, Calls{"throttle"});
}

TEST(JoystickDevice, aim_from_axes_three_and_four_outside_the_dead_zone)
{
    RecordingControls player;
    JoystickDevice pad(&player);
    pad.handle(InputDevice::kAxis, 3, -8000);  // length 0.245
    EXPECT_TRUE(player.calls.empty());
    pad.handle(InputDevice::kAxis, 3, -8200);
    EXPECT_FLOAT_EQ(player.aim, -kPi / 2.0f);
    pad.handle(InputDevice::kAxis, 4, -8200);  // axis 4 is x
    EXPECT_FLOAT_EQ(player.aim, -3.0f * kPi / 4.0f);
}

TEST(JoystickDevice, hat_presses_and_releases_changed_directions_in_order)
{
    RecordingControls player;
    JoystickDevice pad(&player);
    pad.handle(InputDevice::kHat, 0, SDL_HAT_UP);
    pad.handle(InputDevice::kHat, 0, SDL_HAT_RIGHTUP);
    EXPECT_EQ(player.calls, (Calls{"press 0", "press 3"}));
    player.calls.clear();
    pad.handle(InputDevice::kHat, 0, SDL_HAT_CENTERED);
    EXPECT_EQ(player.calls, (Calls{"release 0", "release 3"}));

    JoystickDevice unbound(nullptr);  // drops everything without a target
    unbound.handle(InputDevice::kHat, 0, SDL_HAT_UP);
    unbound.handle(InputDevice::kAxis, 2, -20000);
    unbound.handle(InputDevice::kAxis, 3, -20000);
}
