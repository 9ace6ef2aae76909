#include "content/wav_writer.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::uint32_t numberAt(const std::vector<std::uint8_t> &bytes, std::size_t offset, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes.at(offset + static_cast<std::size_t>(i));
    return value;
}

std::string textAt(const std::vector<std::uint8_t> &bytes, std::size_t offset)
{
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                       bytes.begin() + static_cast<std::ptrdiff_t>(offset + 4));
}

}  // namespace

TEST(WavWriter, header_describes_16_bit_mono_pcm_and_samples_follow_little_endian)
{
    const std::vector<std::int16_t> samples = {0, 1, -1, 32767, -32768, 0x1234};
    const std::vector<std::uint8_t> bytes = encodeWav(samples, 22050);
    ASSERT_EQ(bytes.size(), 44u + 12u);
    const struct {
        std::size_t offset;
        int size;
        std::uint32_t value;
    } fields[] = {
        {4, 4, 36 + 12},  // RIFF size: the file less the first eight bytes
        {16, 4, 16},      // format block size
        {20, 2, 1},       // PCM
        {22, 2, 1},       // mono
        {24, 4, 22050},   // frames per second
        {28, 4, 44100},   // bytes per second
        {32, 2, 2},       // bytes per frame
        {34, 2, 16},      // bits per sample
        {40, 4, 12},      // data size
    };
    for (const auto &field : fields)
        EXPECT_EQ(numberAt(bytes, field.offset, field.size), field.value) << "at byte " << field.offset;
    EXPECT_EQ(textAt(bytes, 0), "RIFF");
    EXPECT_EQ(textAt(bytes, 8), "WAVE");
    EXPECT_EQ(textAt(bytes, 12), "fmt ");
    EXPECT_EQ(textAt(bytes, 36), "data");
    const std::vector<std::uint8_t> data(bytes.begin() + 44, bytes.end());
    EXPECT_EQ(data, (std::vector<std::uint8_t>{0, 0, 1, 0, 0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x80, 0x34, 0x12}));
}

TEST(WavWriter, sdl_reads_back_format_and_every_sample)
{
    std::vector<std::int16_t> samples(3001, 0);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(static_cast<int>(i * 37 % 65536) - 32768);
    const std::vector<std::uint8_t> bytes = encodeWav(samples, 22050);
    SDL_AudioSpec spec;
    std::memset(&spec, 0, sizeof spec);
    Uint8 *buffer = nullptr;
    Uint32 length = 0;
    ASSERT_NE(SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1, &spec, &buffer,
                             &length),
              nullptr)
        << SDL_GetError();
    EXPECT_EQ(spec.format, AUDIO_S16LSB);
    EXPECT_EQ(spec.channels, 1);
    EXPECT_EQ(spec.freq, 22050);
    ASSERT_EQ(length, samples.size() * 2);
    EXPECT_EQ(std::memcmp(buffer, bytes.data() + 44, length), 0);
    SDL_FreeWAV(buffer);
}
