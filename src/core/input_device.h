// InputDevice: turns raw events of one physical input device into control
// operations. The input manager calls handle() for every event of its device.
#pragma once

class InputDevice {
public:
    // Kinds of raw event.
    static constexpr int kAxis = 1;    // value: position -32768..32767
    static constexpr int kButton = 2;  // value: kPressed or kReleased
    static constexpr int kHat = 3;     // value: SDL hat bit mask

    static constexpr int kPressed = 1;
    static constexpr int kReleased = 2;

    virtual ~InputDevice() = default;
    virtual void handle(int kind, int index, int value) = 0;
};
