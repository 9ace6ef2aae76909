#include "core/input_manager.h"

InputManager::InputManager() = default;

InputManager::~InputManager() = default;

void InputManager::addDevice(int index, std::unique_ptr<InputDevice> device)
{
    devices[index] = std::move(device);
}

InputDevice *InputManager::deviceFor(int index) const
{
    const auto found = devices.find(index);
    return found == devices.end() ? nullptr : found->second.get();
}

bool InputManager::handleEvent(const SDL_Event &event)
{
    int which = 0;
    int kind = 0;
    int index = 0;
    int value = 0;
    switch (event.type) {
    case SDL_JOYAXISMOTION:
        which = event.jaxis.which;
        kind = InputDevice::kAxis;
        index = event.jaxis.axis;
        value = event.jaxis.value;
        break;
    case SDL_JOYHATMOTION:
        which = event.jhat.which;
        kind = InputDevice::kHat;
        index = event.jhat.hat;
        value = event.jhat.value;
        break;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        which = event.jbutton.which;
        kind = InputDevice::kButton;
        index = event.jbutton.button;
        value = event.type == SDL_JOYBUTTONDOWN ? InputDevice::kPressed : InputDevice::kReleased;
        break;
    default:
        return false;
    }
    InputDevice *device = deviceFor(which);
    if (device == nullptr) {
        return false;
    }
    device->handle(kind, index, value);
    return true;
}
