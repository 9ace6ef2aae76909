#include "core/input_manager.h"
#include "support/replay_harness.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

// Notes what it was handed.
struct ProbeDevice : InputDevice {
    explicit ProbeDevice(Calls &log) : log(log) {}
    void handle(int kind, int index, int value) override
    {
        log.push_back(std::to_string(kind) + " " + std::to_string(index) + " " + std::to_string(value));
    }
    Calls &log;
};

}  // namespace

TEST(InputManager, routes_joystick_events_to_the_device_of_their_joystick)
{
    Calls log;
    InputManager manager;
    manager.addDevice(0, std::make_unique<ProbeDevice>(log));
    EXPECT_TRUE(manager.handleEvent(joyAxisEvent(3, -20000)));
    EXPECT_TRUE(manager.handleEvent(joyHatEvent(0, SDL_HAT_LEFT)));
    EXPECT_TRUE(manager.handleEvent(joyButtonEvent(7, true)));
    EXPECT_TRUE(manager.handleEvent(joyButtonEvent(7, false)));
    EXPECT_EQ(log, (Calls{"1 3 -20000", "3 0 8", "2 7 1", "2 7 2"}));

    log.clear();
    SDL_Event other = joyAxisEvent(3, -20000);
    other.jaxis.which = 1;
    EXPECT_FALSE(manager.handleEvent(other));
    other.jball.which = 0;
    for (Uint8 type : {SDL_JOYBALLMOTION, SDL_KEYDOWN, SDL_MOUSEMOTION}) {
        other.type = type;
        EXPECT_FALSE(manager.handleEvent(other));
    }
    EXPECT_TRUE(log.empty());
    // An empty registration is no device.
    manager.addDevice(0, nullptr);
    EXPECT_FALSE(manager.handleEvent(joyAxisEvent(2, 0)));
}
