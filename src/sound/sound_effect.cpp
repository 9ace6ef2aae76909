#include "sound/sound_effect.h"

#include <array>

// The web page's build hears compressed copies of the same sounds and names
// their file type.
#ifndef GORLAK_SOUND_FILE_TYPE
#define GORLAK_SOUND_FILE_TYPE ".wav"
#endif

std::string soundEffectFile(SoundEffect effect)
{
    static constexpr std::array<const char *, kSoundEffectCount> names = {
        "engine_idle", "engine_full", "shred",     "zombie_death", "splash_in", "splash_out",
        "swim_stroke", "blood_drip",  "jump",      "collect",      "door_open", "level_done",
        "outro_burst", "groan_1",     "groan_2",   "groan_3",
    };
    return std::string("data/sfx/") + names[static_cast<std::size_t>(effect)] + GORLAK_SOUND_FILE_TYPE;
}
