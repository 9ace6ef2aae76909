#include "sound_synth.h"

#include "seeded_random.h"
#include "sound_filter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kOversampling = 8;
constexpr double kInnerRate = static_cast<double>(kSoundRate) * kOversampling;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

std::size_t samplesIn(double seconds)
{
    return static_cast<std::size_t>(std::llround(seconds * kSoundRate));
}

// A rate moved to the nearest whole number of cycles in the loop (at least
// one), so the loop ends in the phase it began with.
double wholeCycles(double rate, double loopSeconds)
{
    if (rate <= 0.0)
        return 0.0;
    return std::max(1.0, std::round(rate * loopSeconds)) / loopSeconds;
}

// The layer with its rates tuned to the loop, for a looping sound.
SoundLayer tunedToLoop(SoundLayer layer, double loopSeconds)
{
    layer.frequency = wholeCycles(layer.frequency, loopSeconds);
    layer.vibratoRate = wholeCycles(layer.vibratoRate, loopSeconds);
    layer.tremoloRate = wholeCycles(layer.tremoloRate, loopSeconds);
    return layer;
}

double arpeggioRatio(const SoundLayer &layer, double pitchTime)
{
    if (layer.arpeggio.empty())
        return 1.0;
    const auto step = static_cast<std::size_t>(pitchTime / layer.arpeggioStep);
    return step == 0 ? 1.0 : layer.arpeggio[std::min(step, layer.arpeggio.size()) - 1];
}

double waveValue(Wave wave, double phase, double duty, double noise)
{
    switch (wave) {
    case Wave::Square:
        return phase < duty ? 1.0 : -1.0;
    case Wave::Saw:
        return 1.0 - 2.0 * phase;
    case Wave::Sine:
        return std::sin(kTwoPi * phase);
    case Wave::Triangle:
        return phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase;
    case Wave::Noise:
        return noise;
    }
    return 0.0;
}

// The oscillator with its pitch movement, tremolo and jitter, unfiltered.
std::vector<double> drySignal(const SoundLayer &layer, std::size_t count)
{
    SeededRandom random(layer.seed);
    std::vector<double> out(count, 0.0);
    double phase = 0.0;
    double noise = 2.0 * random.unit() - 1.0;
    double cycleLevel = 1.0 - layer.jitter * random.unit();
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kInnerRate;
        const double pitchTime = layer.repeat > 0.0 ? std::fmod(t, layer.repeat) : t;
        double octaves = layer.slide * pitchTime + 0.5 * layer.deltaSlide * pitchTime * pitchTime;
        octaves += layer.vibratoDepth / 12.0 * std::sin(kTwoPi * layer.vibratoRate * t);
        const double frequency =
            std::clamp(layer.frequency * std::exp2(octaves) * arpeggioRatio(layer, pitchTime), 1.0, 11000.0);
        const double duty = std::clamp(layer.duty + layer.dutySweep * pitchTime, 0.02, 0.98);
        const double tremolo = 1.0 - layer.tremoloDepth * 0.5 * (1.0 - std::cos(kTwoPi * layer.tremoloRate * t));
        out[i] = waveValue(layer.wave, phase, duty, noise) * cycleLevel * tremolo;

        const bool wasSecondHalf = phase >= 0.5;
        phase += frequency / kInnerRate;
        const bool wrapped = phase >= 1.0;
        phase -= std::floor(phase);
        // Noise takes a new value every half cycle: the frequency sets how bright it is.
        if (wrapped || (phase >= 0.5) != wasSecondHalf)
            noise = 2.0 * random.unit() - 1.0;
        if (wrapped && layer.jitter > 0.0)
            cycleLevel = 1.0 - layer.jitter * random.unit();
    }
    return out;
}

// Formant bank, low-pass, high-pass and drive, in that order.
void shape(const SoundLayer &layer, std::vector<double> &signal)
{
    std::vector<SoundFilter> formants;
    for (const Formant &formant : layer.formants) {
        formants.emplace_back(kInnerRate);
        formants.back().tune(formant.frequency, formant.frequency / formant.bandwidth);
    }
    SoundFilter lowpass(kInnerRate);
    SoundFilter highpass(kInnerRate);
    lowpass.tune(layer.lowpass, layer.resonance);
    highpass.tune(layer.highpass, 0.7);
    const double drive = layer.drive > 0.0 ? std::tanh(layer.drive) : 1.0;
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double t = static_cast<double>(i) / kInnerRate;
        double value = signal[i];
        if (!formants.empty()) {
            double sum = 0.0;
            for (std::size_t f = 0; f < formants.size(); ++f)
                sum += layer.formants[f].gain * formants[f].step(value).band;
            value = sum;
        }
        if (layer.lowpass > 0.0) {
            if (layer.lowpassSweep != 0.0)
                lowpass.tune(layer.lowpass * std::exp2(layer.lowpassSweep * t), layer.resonance);
            value = lowpass.step(value).low;
        }
        if (layer.highpass > 0.0) {
            if (layer.highpassSweep != 0.0)
                highpass.tune(layer.highpass * std::exp2(layer.highpassSweep * t), 0.7);
            value = highpass.step(value).high;
        }
        if (layer.drive > 0.0)
            value = std::tanh(layer.drive * value) / drive;
        signal[i] = value;
    }
}

double envelope(const SoundLayer &layer, double t)
{
    if (t < layer.attack)
        return t / layer.attack;
    t -= layer.attack;
    if (t < layer.sustain)
        return 1.0 + layer.punch * (1.0 - t / layer.sustain);
    t -= layer.sustain;
    if (t >= layer.decay)
        return 0.0;
    // A curved fall sounds like a struck thing dying away; a straight one does not.
    const double left = 1.0 - t / layer.decay;
    return left * left;
}

// A looping layer: one period of the dry signal, filtered twice over so the
// filters are settled, keeping the second pass.
std::vector<double> loopedLayer(const SoundLayer &layer, std::size_t count)
{
    std::vector<double> signal = drySignal(layer, count);
    signal.insert(signal.end(), signal.begin(), signal.end());
    shape(layer, signal);
    signal.erase(signal.begin(), signal.begin() + static_cast<std::ptrdiff_t>(count));
    return signal;
}

std::vector<double> playedLayer(const SoundLayer &layer)
{
    std::vector<double> signal = drySignal(layer, samplesIn(layer.length()) * kOversampling);
    shape(layer, signal);
    for (std::size_t i = 0; i < signal.size(); ++i)
        signal[i] *= envelope(layer, static_cast<double>(i) / kInnerRate);
    return signal;
}

// Takes out any constant offset: the loop's mean, or for a sound played once
// a gentle 10 Hz high-pass that leaves the thumps alone.
void removeOffset(std::vector<double> &mix, bool looping)
{
    if (mix.empty())
        return;
    if (looping) {
        double sum = 0.0;
        for (const double value : mix)
            sum += value;
        const double mean = sum / static_cast<double>(mix.size());
        for (double &value : mix)
            value -= mean;
        return;
    }
    const double keep = 1.0 - kTwoPi * 10.0 / kSoundRate;
    double lastIn = 0.0;
    double lastOut = 0.0;
    for (double &value : mix) {
        const double out = value - lastIn + keep * lastOut;
        lastIn = value;
        lastOut = out;
        value = out;
    }
}

}  // namespace

std::size_t soundLength(const SoundEffect &effect)
{
    if (effect.loop > 0.0)
        return samplesIn(effect.loop);
    std::size_t length = 0;
    for (const SoundLayer &layer : effect.layers)
        length = std::max(length, samplesIn(layer.delay) + samplesIn(layer.length()));
    return length;
}

std::vector<std::int16_t> renderSound(const SoundEffect &effect)
{
    const std::size_t length = soundLength(effect);
    const bool looping = effect.loop > 0.0;
    const double loopSeconds = static_cast<double>(length) / kSoundRate;
    std::vector<double> inner(length * kOversampling, 0.0);
    for (const SoundLayer &source : effect.layers) {
        const std::vector<double> layer = looping ? loopedLayer(tunedToLoop(source, loopSeconds), inner.size())
                                                  : playedLayer(source);
        const std::size_t start = looping ? 0 : samplesIn(source.delay) * kOversampling;
        for (std::size_t i = 0; i < layer.size() && start + i < inner.size(); ++i)
            inner[start + i] += source.volume * layer[i];
    }

    std::vector<double> mix(length, 0.0);
    for (std::size_t i = 0; i < length; ++i) {
        double sum = 0.0;
        for (int k = 0; k < kOversampling; ++k)
            sum += inner[i * kOversampling + static_cast<std::size_t>(k)];
        mix[i] = sum / kOversampling;
    }
    removeOffset(mix, looping);

    double peak = 0.0;
    for (const double value : mix)
        peak = std::max(peak, std::abs(value));
    const double scale = peak > 0.0 ? kSoundPeak * 32767.0 / peak : 0.0;
    const std::size_t fade = looping ? 0 : std::min(kEdgeFade, length / 2);
    std::vector<std::int16_t> samples(length, 0);
    for (std::size_t i = 0; i < length; ++i) {
        double value = mix[i] * scale;
        const std::size_t fromEdge = std::min(i, length - 1 - i);
        if (fromEdge < fade)
            value *= static_cast<double>(fromEdge) / static_cast<double>(fade);
        samples[i] = static_cast<std::int16_t>(std::clamp(std::lround(value), -32767L, 32767L));
    }
    return samples;
}
