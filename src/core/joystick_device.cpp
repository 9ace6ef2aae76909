#include "core/joystick_device.h"

#include "world/player_controls.h"
#include "world/vec2.h"

#include <SDL.h>

namespace {

constexpr int kThrottleAxis = 2;
constexpr int kAimYAxis = 3;
constexpr int kAimXAxis = 4;
constexpr float kAxisScale = 32600.0f;
// Stick deflections shorter than this leave the aim where it was, so a
// stick at rest does not snap the arm back to the right.
constexpr float kAimDeadZone = 0.25f;

// Hat bit of each Direction, in Direction order.
constexpr std::array<int, 4> kHatBits = {SDL_HAT_UP, SDL_HAT_DOWN, SDL_HAT_LEFT, SDL_HAT_RIGHT};

}  // namespace

JoystickDevice::JoystickDevice(PlayerControls *controlled) : target(controlled) {}

JoystickDevice::~JoystickDevice() = default;

void JoystickDevice::handle(int kind, int index, int value)
{
    if (kind == kAxis) {
        if (index == kThrottleAxis) {
            // Only pulling the trigger half runs the mower; the rest is ignored.
            if (value <= 0 && target != nullptr) {
                target->setThrottle(static_cast<float>(value) / -kAxisScale);
            }
        } else if (index == kAimYAxis) {
            aimY = value;
            updateAim();
        } else if (index == kAimXAxis) {
            aimX = value;
            updateAim();
        }
    } else if (kind == kHat && index == 0 && target != nullptr) {
        handleHat(value);
    }
}

void JoystickDevice::updateAim()
{
    const Vec2 stick(static_cast<float>(aimX) / kAxisScale, static_cast<float>(aimY) / kAxisScale);
    if (stick.length() > kAimDeadZone && target != nullptr) {
        target->setAimAngle(stick.angle());
    }
}

// Reports only the directions that changed, in Direction order, so a
// diagonal presses two directions and a move between neighbours one.
void JoystickDevice::handleHat(int mask)
{
    for (std::size_t d = 0; d < hatState.size(); ++d) {
        const bool down = (mask & kHatBits[d]) != 0;
        if (down == hatState[d]) {
            continue;
        }
        const Direction direction = static_cast<Direction>(d);
        if (down) {
            target->press(direction);
        } else {
            target->release(direction);
        }
        hatState[d] = down;
    }
}
