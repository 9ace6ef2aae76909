// The game's two clocks, in milliseconds as SDL_GetTicks counts them.
// The wall clock paces the frames and never stops. The game clock times
// everything in play (animations, timed messages, the outro's timeline, the
// swimming rhythm); it can be held, for a pause, without any timer knowing:
// while held it stands still, and once resumed it goes on from where it
// stood. Tests drive the wall clock by hand and the game clock follows it,
// so frames are reproducible.
#pragma once

#include <cstdint>

namespace wallclock {

// Current time (SDL_GetTicks unless driven).
std::uint32_t now();

// From now on now() returns the given time until advanced or released.
void drive(std::uint32_t ms);
void advance(std::uint32_t ms);
// Back to SDL_GetTicks.
void release();
bool isDriven();

}  // namespace wallclock

namespace gameclock {

// The wall clock less all the time the game clock was held.
std::uint32_t now();

// Stops the game clock; holding a held clock changes nothing.
void hold();
// Lets it go on from where it stood.
void resume();
bool isHeld();
// All the wall time the clock has been held since its last reset.
std::uint32_t timeHeld();
// Running again, with nothing held (for tests and a fresh start).
void reset();

}  // namespace gameclock
