// InputManager: routes each joystick event to the device registered for that
// joystick. It owns its devices; they live as long as the manager.
#pragma once

#include "core/input_device.h"

#include <SDL.h>

#include <map>
#include <memory>

class InputManager {
public:
    InputManager();
    ~InputManager();
    InputManager(const InputManager &) = delete;
    InputManager &operator=(const InputManager &) = delete;

    // Registers the device for joystick `index`, replacing (and freeing) any
    // device registered there before.
    void addDevice(int index, std::unique_ptr<InputDevice> device);

    // True when the event is a joystick axis, hat or button event and a
    // device is registered for its joystick; that device has handled it.
    bool handleEvent(const SDL_Event &event);

private:
    InputDevice *deviceFor(int index) const;

    std::map<int, std::unique_ptr<InputDevice>> devices;
};
