#include "core/input_manager.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

// Notes what it was handed and when it is destroyed.
struct ProbeDevice : InputDevice {
    explicit ProbeDevice(Calls &log) : log(log) {}
    ~ProbeDevice() override { log.push_back("destroyed"); }
    void handle(int kind, int index, int value) override
    {
        log.push_back(std::to_string(kind) + " " + std::to_string(index) + " " + std::to_string(value));
    }
    Calls &log;
};

SDL_Event joystickEvent(Uint8 type, Uint8 which, Uint8 index, Sint16 value)
{
    SDL_Event event{};
    event.type = type;
    if (type == SDL_JOYAXISMOTION) {
        event.jaxis = {type, which, index, value};
    } else if (type == SDL_JOYHATMOTION) {
        event.jhat = {type, which, index, static_cast<Uint8>(value)};
    } else {
        event.jbutton = {type, which, index, static_cast<Uint8>(value)};
    }
    return event;
}

}  // namespace

TEST(InputManager, routes_joystick_events_to_the_device_of_their_joystick)
{
    Calls log;
    InputManager manager;
    manager.addDevice(1, std::make_unique<ProbeDevice>(log));
    EXPECT_TRUE(manager.handleEvent(joystickEvent(SDL_JOYAXISMOTION, 1, 3, -20000)));
    EXPECT_TRUE(manager.handleEvent(joystickEvent(SDL_JOYHATMOTION, 1, 0, SDL_HAT_LEFT)));
    EXPECT_TRUE(manager.handleEvent(joystickEvent(SDL_JOYBUTTONDOWN, 1, 7, SDL_PRESSED)));
    EXPECT_TRUE(manager.handleEvent(joystickEvent(SDL_JOYBUTTONUP, 1, 7, SDL_RELEASED)));
    EXPECT_EQ(log, (Calls{"1 3 -20000", "3 0 8", "2 7 1", "2 7 2"}));

    log.clear();
    EXPECT_FALSE(manager.handleEvent(joystickEvent(SDL_JOYAXISMOTION, 0, 3, -20000)));
    SDL_Event other{};
    other.jball.which = 1;
    for (Uint8 type : {SDL_JOYBALLMOTION, SDL_KEYDOWN, SDL_MOUSEMOTION}) {
        other.type = type;
        EXPECT_FALSE(manager.handleEvent(other));
    }
    EXPECT_TRUE(log.empty());
}

TEST(InputManager, owns_its_devices)
{
    Calls log;
    {
        InputManager manager;
        manager.addDevice(0, std::make_unique<ProbeDevice>(log));
        manager.addDevice(0, std::make_unique<ProbeDevice>(log));
        EXPECT_EQ(log, Calls{"destroyed"});  // the replaced one
        manager.addDevice(3, nullptr);
        EXPECT_FALSE(manager.handleEvent(joystickEvent(SDL_JOYAXISMOTION, 3, 2, 0)));
    }
    EXPECT_EQ(log, (Calls{"destroyed", "destroyed"}));
}
