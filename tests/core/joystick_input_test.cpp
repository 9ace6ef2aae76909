#include "core/input_manager.h"
#include "core/joystick_device.h"
#include "support/replay_harness.h"
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

TEST(JoystickDevice, throttle_aim_and_hat_from_their_own_axes_only)
{
    RecordingControls player;
    JoystickDevice pad(&player);
    // Throttle from the negative half of axis 2 only.
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

    // Aim from axes 3 and 4 outside the dead zone.
    player.calls.clear();
    pad.handle(InputDevice::kAxis, 3, -8000);  // length 0.245
    EXPECT_TRUE(player.calls.empty());
    pad.handle(InputDevice::kAxis, 3, -8200);
    EXPECT_FLOAT_EQ(player.aim, -kPi / 2.0f);
    pad.handle(InputDevice::kAxis, 4, -8200);  // axis 4 is x
    EXPECT_FLOAT_EQ(player.aim, -3.0f * kPi / 4.0f);

    // The hat presses and releases the changed directions in order.
    player.calls.clear();
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

TEST(InputManager, routes_joystick_events_to_the_device_of_their_joystick)
{
    RecordingControls player;
    InputManager manager;
    manager.addDevice(1, std::make_unique<JoystickDevice>(&player));
    const auto from = [](Uint8 joystick, SDL_Event event) {
        event.jaxis.which = joystick;  // the same place in every joystick event
        return event;
    };
    EXPECT_TRUE(manager.handleEvent(from(1, joyAxisEvent(2, -16300))));
    EXPECT_TRUE(manager.handleEvent(from(1, joyHatEvent(0, SDL_HAT_LEFT))));
    EXPECT_TRUE(manager.handleEvent(from(1, joyButtonEvent(7, true))));
    EXPECT_TRUE(manager.handleEvent(from(1, joyButtonEvent(7, false))));
    EXPECT_EQ(player.calls, (Calls{"throttle", "press 2"}));

    player.calls.clear();
    EXPECT_FALSE(manager.handleEvent(from(0, joyAxisEvent(2, -20000))));
    SDL_Event other{};
    other.jball.which = 1;
    for (Uint8 type : {SDL_JOYBALLMOTION, SDL_KEYDOWN, SDL_MOUSEMOTION}) {
        other.type = type;
        EXPECT_FALSE(manager.handleEvent(other));
    }
    EXPECT_TRUE(player.calls.empty());
    // An empty registration is no device.
    manager.addDevice(1, nullptr);
    EXPECT_FALSE(manager.handleEvent(from(1, joyAxisEvent(2, 0))));
}
