#include "world/clock.h"

#include <SDL.h>

namespace gameclock {

namespace {
bool driven = false;
std::uint32_t drivenTime = 0;
}  // namespace

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

}  // namespace gameclock
