// MixerOutput: the soundscape's sounds played through SDL_mixer, on the
// desktop and in the browser. The two engine loops keep channels of their
// own; every other sound takes a free one of the rest.
#pragma once

#include "sound/sound_output.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <array>
#include <memory>

class MixerOutput : public SoundOutput {
public:
    // Opens the audio device and loads every effect from the content
    // directory. Null, with one line on standard error, when no device can
    // be opened: the game then plays on silently. An effect whose file is
    // missing stays silent, with one line naming the file.
    static std::unique_ptr<MixerOutput> open();
    ~MixerOutput() override;
    MixerOutput(const MixerOutput &) = delete;
    MixerOutput &operator=(const MixerOutput &) = delete;

    void play(SoundEffect effect, float volume, float pan) override;
    void loop(SoundEffect effect, float volume, float pan) override;
    void pause(bool paused) override;

private:
    MixerOutput() = default;
    void loadEffects();
    static void place(int channel, float volume, float pan);

    std::array<Mix_Chunk *, kSoundEffectCount> chunks_{};
};
