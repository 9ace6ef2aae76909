// Renders a sound effect to the 16-bit mono samples the game plays: each
// layer is made at eight times the output rate (so square and saw edges do
// not fold back as noise), filtered, enveloped and mixed, then the mix is
// brought to one peak level.
#pragma once

#include "sound_effect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int kSoundRate = 22050;
// Every sound peaks at -1 dB below full scale, so nothing ever clips.
constexpr double kSoundPeak = 0.8912509381337456;
// Sounds played once fade in and out over this many samples (2 ms) so they
// start and stop without a click.
constexpr std::size_t kEdgeFade = 44;

// Samples the effect lasts: its loop, or the end of its last layer.
std::size_t soundLength(const SoundEffect &effect);

// A looping effect renders one whole period of a steady signal: every
// oscillator, vibrato and tremolo is tuned to whole cycles per loop and the
// filters are run in over one period first, so the last sample leads into
// the first as any sample leads into the next; the loop is then turned to
// begin at its calmest step.
std::vector<std::int16_t> renderSound(const SoundEffect &effect);
