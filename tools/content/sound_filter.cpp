#include "sound_filter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

SoundFilter::SoundFilter(double rate) : sampleRate(rate)
{
    tune(rate / 4.0, 0.7);
}

void SoundFilter::tune(double cutoff, double resonance)
{
    // Kept clear of the Nyquist frequency, where the warp goes to infinity.
    const double frequency = std::clamp(cutoff, 5.0, sampleRate * 0.45);
    const double g = std::tan(std::numbers::pi * frequency / sampleRate);
    damping = 1.0 / resonance;
    a1 = 1.0 / (1.0 + g * (g + damping));
    a2 = g * a1;
    a3 = g * a2;
}

SoundFilter::Outputs SoundFilter::step(double input)
{
    const double v3 = input - state2;
    const double v1 = a1 * state1 + a2 * v3;
    const double v2 = state2 + a2 * state1 + a3 * v3;
    state1 = 2.0 * v1 - state1;
    state2 = 2.0 * v2 - state2;
    Outputs out;
    out.low = v2;
    out.band = damping * v1;
    out.high = input - damping * v1 - v2;
    return out;
}
