#include "content/wav_writer.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>

// The header's fields and the byte order of the samples are pinned by the
// committed sounds matching their sources; here SDL, as the game does, reads
// the format and every sample back.
TEST(WavWriter, sdl_reads_back_16_bit_mono_and_every_sample)
{
    std::vector<std::int16_t> samples(3001, 0);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(static_cast<int>(i * 37 % 65536) - 32768);
    const std::vector<std::uint8_t> bytes = encodeWav(samples, 22050);
    EXPECT_EQ(bytes.size(), 44 + 2 * samples.size());
    SDL_AudioSpec spec;
    std::memset(&spec, 0, sizeof spec);
    Uint8 *buffer = nullptr;
    Uint32 length = 0;
    ASSERT_NE(SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1, &spec, &buffer,
                             &length),
              nullptr)
        << SDL_GetError();
    EXPECT_TRUE(spec.format == AUDIO_S16LSB && spec.channels == 1 && spec.freq == 22050);
    ASSERT_EQ(length, samples.size() * 2);
    int wrong = 0;
    for (std::size_t i = 0; i < samples.size(); ++i)
        wrong += static_cast<std::int16_t>(buffer[2 * i] | buffer[2 * i + 1] << 8) != samples[i];
    EXPECT_EQ(wrong, 0);
    SDL_FreeWAV(buffer);
}
