// Moves the inputs of a replay script by a few frames each, for checking
// that a play-through does not hang on frame-perfect timing.
#pragma once

#include "support/replay_harness.h"

#include <cstdint>

// A copy of the script whose every event is moved on its own by a whole
// number of frames in [-maxShift, maxShift], drawn from a generator seeded
// with seed; no event moves before frame 0. Events end up in frame order
// (events that land on one frame keep their written order), and the run is
// lengthened by maxShift frames so that a late input still has its time.
ReplayScript jitterScript(const ReplayScript &script, int maxShift, std::uint32_t seed);
