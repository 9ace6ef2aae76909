// Where the soundscape's sounds go: the mixer on the desktop and in the
// browser, a recording fake in tests. Volumes run from 0 to 1, pans from -1
// (left) through 0 (centre) to 1 (right).
#pragma once

#include "sound/sound_effect.h"

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Plays the effect once on a free channel; dropped when none is free.
    virtual void play(SoundEffect effect, float volume, float pan) = 0;
    // Keeps the effect looping on its own channel at this volume; volume 0
    // stops it.
    virtual void loop(SoundEffect effect, float volume, float pan) = 0;
    // Holds every sound where it is, or lets them go on.
    virtual void pause(bool paused) = 0;
};
