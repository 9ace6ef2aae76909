#include "sound/sound_effect.h"

const char *soundEffectFile(SoundEffect effect)
{
    static constexpr std::array<const char *, kSoundEffectCount> files = {
        "data/sfx/engine_idle.wav", "data/sfx/engine_full.wav", "data/sfx/shred.wav",
        "data/sfx/zombie_death.wav", "data/sfx/splash_in.wav",  "data/sfx/splash_out.wav",
        "data/sfx/swim_stroke.wav", "data/sfx/blood_drip.wav",  "data/sfx/jump.wav",
        "data/sfx/collect.wav",     "data/sfx/door_open.wav",   "data/sfx/level_done.wav",
        "data/sfx/outro_burst.wav", "data/sfx/groan_1.wav",     "data/sfx/groan_2.wav",
        "data/sfx/groan_3.wav",
    };
    return files[static_cast<std::size_t>(effect)];
}
