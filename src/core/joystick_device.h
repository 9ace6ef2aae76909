// JoystickDevice: a game pad steering the player. The negative half of axis 2
// is the lawnmower throttle, axes 3 and 4 aim, hat 0 is the four directions.
#pragma once

#include "core/input_device.h"

#include <array>

class PlayerControls;

class JoystickDevice : public InputDevice {
public:
    // The target is not owned and may be null (events are then dropped).
    explicit JoystickDevice(PlayerControls *target);
    ~JoystickDevice() override;

    void handle(int kind, int index, int value) override;

private:
    void updateAim();
    void handleHat(int mask);

    int aimX = 0;  // last position of axis 4
    int aimY = 0;  // last position of axis 3
    std::array<bool, 4> hatState{};  // per Direction, as last reported
    PlayerControls *target = nullptr;
};
