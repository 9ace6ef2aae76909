#include "platform/clock.h"

#include <SDL.h>

namespace {

bool driven = false;
std::uint32_t drivenTime = 0;

bool held = false;
std::uint32_t heldSince = 0;  // wall time when the hold began
std::uint32_t heldTotal = 0;  // wall time spent held before that

}  // namespace

namespace wallclock {

std::uint32_t now()
{
    return driven ? drivenTime : SDL_GetTicks();
}

void drive(std::uint32_t ms)
{
    driven = true;
    drivenTime = ms;
}

void advance(std::uint32_t ms)
{
    drivenTime += ms;
}

void release()
{
    driven = false;
}

bool isDriven()
{
    return driven;
}

}  // namespace wallclock

namespace gameclock {

std::uint32_t now()
{
    return (held ? heldSince : wallclock::now()) - heldTotal;
}

void hold()
{
    if (!held) {
        held = true;
        heldSince = wallclock::now();
    }
}

void resume()
{
    if (held) {
        held = false;
        heldTotal += wallclock::now() - heldSince;
    }
}

bool isHeld()
{
    return held;
}

std::uint32_t timeHeld()
{
    return held ? heldTotal + (wallclock::now() - heldSince) : heldTotal;
}

void reset()
{
    held = false;
    heldSince = 0;
    heldTotal = 0;
}

}  // namespace gameclock
