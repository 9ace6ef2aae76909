#include "core/input_manager.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

// Notes what it was handed and when it is destroyed.
class ProbeDevice : public InputDevice {
public:
    explicit ProbeDevice(std::vector<std::string> &log) : log(log) {}
    ~ProbeDevice() override { log.push_back("destroyed"); }
    void handle(int kind, int index, int value) override
    {
        log.push_back(std::to_string(kind) + " " + std::to_string(index) + " " + std::to_string(value));
    }
    std::vector<std::string> &log;
};

SDL_Event axisEvent(int which, int axis, int value)
{
    SDL_Event event{};
    event.type = SDL_JOYAXISMOTION;
    event.jaxis.which = static_cast<Uint8>(which);
    event.jaxis.axis = static_cast<Uint8>(axis);
    event.jaxis.value = static_cast<Sint16>(value);
    return event;
}

SDL_Event hatEvent(int which, int hat, int value)
{
    SDL_Event event{};
    event.type = SDL_JOYHATMOTION;
    event.jhat.which = static_cast<Uint8>(which);
    event.jhat.hat = static_cast<Uint8>(hat);
    event.jhat.value = static_cast<Uint8>(value);
    return event;
}

SDL_Event buttonEvent(int which, int button, bool down)
{
    SDL_Event event{};
    event.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    event.jbutton.which = static_cast<Uint8>(which);
    event.jbutton.button = static_cast<Uint8>(button);
    event.jbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    return event;
}

}  // namespace

TEST(InputManager, routes_joystick_events_to_the_device_of_that_joystick)
{
    Calls log;
    InputManager manager;
    manager.addDevice(1, std::make_unique<ProbeDevice>(log));
    EXPECT_TRUE(manager.handleEvent(axisEvent(1, 3, -20000)));
    EXPECT_TRUE(manager.handleEvent(hatEvent(1, 0, SDL_HAT_LEFT)));
    EXPECT_TRUE(manager.handleEvent(buttonEvent(1, 7, true)));
    EXPECT_TRUE(manager.handleEvent(buttonEvent(1, 7, false)));
    EXPECT_EQ(log, (Calls{"1 3 -20000", "3 0 8", "2 7 1", "2 7 2"}));

    // Other joysticks and other kinds of event are not taken.
    log.clear();
    EXPECT_FALSE(manager.handleEvent(axisEvent(0, 3, -20000)));
    EXPECT_FALSE(manager.handleEvent(hatEvent(2, 0, SDL_HAT_UP)));
    SDL_Event ball{};
    ball.type = SDL_JOYBALLMOTION;
    ball.jball.which = 1;
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    EXPECT_FALSE(manager.handleEvent(ball));
    EXPECT_FALSE(manager.handleEvent(key));
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
        EXPECT_FALSE(manager.handleEvent(axisEvent(3, 2, 0)));
    }
    EXPECT_EQ(log, (Calls{"destroyed", "destroyed"}));
}
