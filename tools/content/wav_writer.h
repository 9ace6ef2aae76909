// Writes sound samples as a WAV file: PCM, 16-bit signed little-endian, one
// channel, the form the game's mixer plays on every target.
#pragma once

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> encodeWav(const std::vector<std::int16_t> &samples, int sampleRate);
