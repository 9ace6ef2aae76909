// The one clock of the game: milliseconds as SDL_GetTicks counts them.
// Tests drive it by hand so that frames are reproducible.
#pragma once

#include <cstdint>

namespace gameclock {

// Current time in milliseconds (SDL_GetTicks unless driven).
std::uint32_t now();

// From now on now() returns the given time until advanced or released.
void drive(std::uint32_t ms);
void advance(std::uint32_t ms);
// Back to SDL_GetTicks.
void release();
bool isDriven();

}  // namespace gameclock
