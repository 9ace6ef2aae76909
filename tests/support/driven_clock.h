// Drives the game clock for the life of the object and gives it back to
// SDL afterwards, also when an assertion ends the test early.
#pragma once

#include "world/clock.h"

#include <cstdint>

class DrivenClock {
public:
    explicit DrivenClock(std::uint32_t ms) { gameclock::drive(ms); }
    ~DrivenClock() { gameclock::release(); }
    DrivenClock(const DrivenClock &) = delete;
    DrivenClock &operator=(const DrivenClock &) = delete;
};
