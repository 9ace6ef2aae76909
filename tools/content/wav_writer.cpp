#include "wav_writer.h"

#include <string_view>

namespace {

void putText(std::vector<std::uint8_t> &out, std::string_view text)
{
    out.insert(out.end(), text.begin(), text.end());
}

// Little-endian, whatever the machine writing the file.
void putNumber(std::vector<std::uint8_t> &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> encodeWav(const std::vector<std::int16_t> &samples, int sampleRate)
{
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putText(out, "RIFF");
    putNumber(out, 36 + dataBytes, 4);  // everything after this field
    putText(out, "WAVE");
    putText(out, "fmt ");
    putNumber(out, 16, 4);  // size of the format block
    putNumber(out, 1, 2);   // integer PCM
    putNumber(out, kChannels, 2);
    putNumber(out, rate, 4);
    putNumber(out, rate * kChannels * kBytesPerSample, 4);  // bytes per second
    putNumber(out, kChannels * kBytesPerSample, 2);         // bytes per frame
    putNumber(out, 8 * kBytesPerSample, 2);                 // bits per sample
    putText(out, "data");
    putNumber(out, dataBytes, 4);
    for (const std::int16_t sample : samples)
        putNumber(out, static_cast<std::uint16_t>(sample), 2);
    return out;
}
