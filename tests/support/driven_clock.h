// Drives the wall clock for the life of the object and gives it back to
// SDL afterwards, with the game clock running and nothing held, also when an
// assertion ends the test early.
#pragma once

#include "platform/clock.h"

#include <cstdint>

class DrivenClock {
public:
    explicit DrivenClock(std::uint32_t ms) { wallclock::drive(ms); }
    ~DrivenClock()
    {
        gameclock::reset();
        wallclock::release();
    }
    DrivenClock(const DrivenClock &) = delete;
    DrivenClock &operator=(const DrivenClock &) = delete;
};
