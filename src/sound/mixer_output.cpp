#include "sound/mixer_output.h"

#include <algorithm>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kFrequency = 22050;
constexpr int kChunkSamples = 1024;
constexpr int kChannels = 16;
// Channels 0 and 1 belong to the engine's loops; single sounds take the
// first free one of the rest.
constexpr int kLoopChannels = static_cast<int>(kEngineLoops.size());

// The audio libraries under SDL write complaints of their own on standard
// error while a device opens (ALSA names every card it did not find); they
// are kept off it for that moment, and one line of ours tells the outcome.
class QuietStandardError {
public:
    QuietStandardError()
    {
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        const int nowhere = ::open("/dev/null", O_WRONLY);
        if (saved_ >= 0 && nowhere >= 0) {
            dup2(nowhere, STDERR_FILENO);
        }
        if (nowhere >= 0) {
            close(nowhere);
        }
    }
    ~QuietStandardError()
    {
        std::fflush(stderr);
        if (saved_ >= 0) {
            dup2(saved_, STDERR_FILENO);
            close(saved_);
        }
    }
    QuietStandardError(const QuietStandardError &) = delete;
    QuietStandardError &operator=(const QuietStandardError &) = delete;

private:
    int saved_ = -1;
};

bool openAudioDevice()
{
    const QuietStandardError quiet;
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(kFrequency, AUDIO_S16SYS, 2, kChunkSamples) == 0;
}

int loopChannel(SoundEffect effect)
{
    const auto found = std::find(kEngineLoops.begin(), kEngineLoops.end(), effect);
    return found == kEngineLoops.end() ? -1 : static_cast<int>(found - kEngineLoops.begin());
}

}  // namespace

std::unique_ptr<MixerOutput> MixerOutput::open()
{
    if (!openAudioDevice()) {
        std::fprintf(stderr, "No sound: cannot open the audio device: %s\n", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    Mix_AllocateChannels(kChannels);
    Mix_ReserveChannels(kLoopChannels);
    std::unique_ptr<MixerOutput> output(new MixerOutput());
    output->loadEffects();
    return output;
}

MixerOutput::~MixerOutput()
{
    Mix_HaltChannel(-1);
    for (Mix_Chunk *chunk : chunks_) {
        if (chunk != nullptr) {
            Mix_FreeChunk(chunk);
        }
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void MixerOutput::loadEffects()
{
    for (int i = 0; i < kSoundEffectCount; ++i) {
        const std::string file = soundEffectFile(static_cast<SoundEffect>(i));
        chunks_[static_cast<std::size_t>(i)] = Mix_LoadWAV(file.c_str());
        if (chunks_[static_cast<std::size_t>(i)] == nullptr) {
            std::fprintf(stderr, "%s: cannot load sound, going on without it: %s\n", file.c_str(), Mix_GetError());
        }
    }
}

void MixerOutput::place(int channel, float volume, float pan)
{
    Mix_Volume(channel, static_cast<int>(std::clamp(volume, 0.0f, 1.0f) * MIX_MAX_VOLUME + 0.5f));
    // A balance: the far ear fades as the sound moves to one side.
    const float p = std::clamp(pan, -1.0f, 1.0f);
    Mix_SetPanning(channel, static_cast<Uint8>(255.0f * std::min(1.0f, 1.0f - p) + 0.5f),
                   static_cast<Uint8>(255.0f * std::min(1.0f, 1.0f + p) + 0.5f));
}

void MixerOutput::play(SoundEffect effect, float volume, float pan)
{
    Mix_Chunk *chunk = chunks_[static_cast<std::size_t>(effect)];
    if (chunk == nullptr || loopChannel(effect) >= 0) {
        return;
    }
    // Set up a free channel first, so the sound starts where it belongs.
    int channel = kLoopChannels;
    while (channel < kChannels && Mix_Playing(channel) != 0) {
        ++channel;
    }
    if (channel == kChannels) {
        return;  // every channel busy: this one is not missed among them
    }
    place(channel, volume, pan);
    // The browser's mixer pans only a sound that plays, so a started sound
    // is placed again.
    if (Mix_PlayChannel(channel, chunk, 0) == channel) {
        place(channel, volume, pan);
    }
}

void MixerOutput::loop(SoundEffect effect, float volume, float pan)
{
    const int channel = loopChannel(effect);
    Mix_Chunk *chunk = chunks_[static_cast<std::size_t>(effect)];
    if (channel < 0 || chunk == nullptr) {
        return;
    }
    if (volume <= 0.0f) {
        if (Mix_Playing(channel) != 0) {
            Mix_HaltChannel(channel);
        }
        return;
    }
    place(channel, volume, pan);
    if (Mix_Playing(channel) == 0 && Mix_PlayChannel(channel, chunk, -1) == channel) {
        place(channel, volume, pan);
    }
}

void MixerOutput::pause(bool paused)
{
    if (paused) {
        Mix_Pause(-1);
    } else {
        Mix_Resume(-1);
    }
}
