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

// The layer's vibrato and tremolo tuned to the loop, for a looping sound.
SoundLayer tunedToLoop(SoundLayer layer, double loopSeconds)
{
    layer.vibratoRate = wholeCycles(layer.vibratoRate, loopSeconds);
    layer.tremoloRate = wholeCycles(layer.tremoloRate, loopSeconds);
    return layer;
}

// The ratio of the arpeggio step reached; the last one holds.
double arpeggioRatio(const SoundLayer &layer, double pitchTime)
{
    if (layer.arpeggio.empty())
        return 1.0;
    const auto step = static_cast<std::size_t>(pitchTime / layer.arpeggioStep);
    return step == 0 ? 1.0 : layer.arpeggio[std::min(step, layer.arpeggio.size()) - 1];
}

double pitchTime(const SoundLayer &layer, double t)
{
    return layer.repeat > 0.0 ? std::fmod(t, layer.repeat) : t;
}

double frequencyAt(const SoundLayer &layer, double t)
{
    const double since = pitchTime(layer, t);
    double octaves = layer.slide * since + 0.5 * layer.deltaSlide * since * since;
    octaves += layer.vibratoDepth / 12.0 * std::sin(kTwoPi * layer.vibratoRate * t);
    return std::clamp(layer.frequency * std::exp2(octaves) * arpeggioRatio(layer, since), 1.0, 11000.0);
}

// The factor that makes the oscillator run a whole number of cycles (at
// least one) in count samples, vibrato included.
double wholeCycleScale(const SoundLayer &layer, std::size_t count)
{
    double cycles = 0.0;
    for (std::size_t i = 0; i < count; ++i)
        cycles += frequencyAt(layer, static_cast<double>(i) / kInnerRate) / kInnerRate;
    return cycles > 0.0 ? std::max(1.0, std::round(cycles)) / cycles : 1.0;
}

// Every wave is centred on zero, the square too whatever its duty, so the
// filters and the drive never work on a constant offset.
double waveValue(Wave wave, double phase, double duty, double noise)
{
    switch (wave) {
    case Wave::Square:
        return (phase < duty ? 1.0 : -1.0) - (2.0 * duty - 1.0);
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

// The oscillator with its pitch movement, tremolo and jitter, unfiltered;
// pitchScale tunes a loop to whole cycles.
std::vector<double> drySignal(const SoundLayer &layer, std::size_t count, double pitchScale)
{
    SeededRandom random(layer.seed);
    std::vector<double> out(count, 0.0);
    double phase = 0.0;
    double noise = 2.0 * random.unit() - 1.0;
    double cycleLevel = 1.0 - layer.jitter * random.unit();
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kInnerRate;
        const double frequency = frequencyAt(layer, t) * pitchScale;
        const double duty = std::clamp(layer.duty + layer.dutySweep * pitchTime(layer, t), 0.02, 0.98);
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
    std::vector<double> signal = drySignal(layer, count, wholeCycleScale(layer, count));
    signal.insert(signal.end(), signal.begin(), signal.end());
    shape(layer, signal);
    signal.erase(signal.begin(), signal.begin() + static_cast<std::ptrdiff_t>(count));
    return signal;
}

std::vector<double> playedLayer(const SoundLayer &layer)
{
    std::vector<double> signal = drySignal(layer, samplesIn(layer.length()) * kOversampling, 1.0);
    shape(layer, signal);
    for (std::size_t i = 0; i < signal.size(); ++i)
        signal[i] *= envelope(layer, static_cast<double>(i) / kInnerRate);
    return signal;
}

// Takes out the mix's constant offset (soft clipping of a lopsided wave, or
// slow noise, leaves some) in the shape of its loudness, so that a loop stays
// seamless and the silence around a sound stays silent.
void removeOffset(std::vector<double> &mix, const std::vector<double> &loudness)
{
    double sum = 0.0;
    double weight = 0.0;
    for (std::size_t i = 0; i < mix.size(); ++i) {
        sum += mix[i];
        weight += loudness[i];
    }
    if (weight <= 0.0)
        return;
    for (std::size_t i = 0; i < mix.size(); ++i)
        mix[i] -= sum / weight * loudness[i];
}

// Turns a loop so that it begins at its smallest step from one sample to the
// next: a steady signal has no seam, so the join can be put where it is calmest.
void startAtCalmestStep(std::vector<double> &loop)
{
    std::size_t best = 0;
    double smallest = std::abs(loop.front() - loop.back());
    for (std::size_t i = 1; i < loop.size(); ++i) {
        const double step = std::abs(loop[i] - loop[i - 1]);
        if (step < smallest) {
            smallest = step;
            best = i;
        }
    }
    std::rotate(loop.begin(), loop.begin() + static_cast<std::ptrdiff_t>(best), loop.end());
}

// Brings the mix to the peak level, fades its edges and rounds it to 16 bits.
std::vector<std::int16_t> toSamples(const std::vector<double> &mix, std::size_t fade)
{
    double peak = 0.0;
    for (const double value : mix)
        peak = std::max(peak, std::abs(value));
    const double scale = peak > 0.0 ? kSoundPeak * 32767.0 / peak : 0.0;
    std::vector<std::int16_t> samples(mix.size(), 0);
    for (std::size_t i = 0; i < mix.size(); ++i) {
        double value = mix[i] * scale;
        const std::size_t fromEdge = std::min(i, mix.size() - 1 - i);
        if (fromEdge < fade)
            value *= static_cast<double>(fromEdge) / static_cast<double>(fade);
        samples[i] = static_cast<std::int16_t>(std::clamp(std::lround(value), -32767L, 32767L));
    }
    return samples;
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
    std::vector<double> loudness(length, looping ? 1.0 : 0.0);
    for (const SoundLayer &source : effect.layers) {
        const std::vector<double> layer = looping ? loopedLayer(tunedToLoop(source, loopSeconds), inner.size())
                                                  : playedLayer(source);
        const std::size_t start = looping ? 0 : samplesIn(source.delay);
        for (std::size_t i = 0; i < layer.size() && start * kOversampling + i < inner.size(); ++i)
            inner[start * kOversampling + i] += source.volume * layer[i];
        for (std::size_t i = 0; !looping && i < layer.size() / kOversampling && start + i < length; ++i)
            loudness[start + i] += source.volume * envelope(source, static_cast<double>(i) / kSoundRate);
    }

    std::vector<double> mix(length, 0.0);
    for (std::size_t i = 0; i < length; ++i) {
        double sum = 0.0;
        for (int k = 0; k < kOversampling; ++k)
            sum += inner[i * kOversampling + static_cast<std::size_t>(k)];
        mix[i] = sum / kOversampling;
    }
    removeOffset(mix, loudness);
    if (looping && !mix.empty())
        startAtCalmestStep(mix);
    return toSamples(mix, looping ? 0 : std::min(kEdgeFade, length / 2));
}
