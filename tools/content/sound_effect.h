// A sound effect as its text source describes it: one or more layers, each an
// oscillator with an envelope, pitch movement and filters, mixed together.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class Wave { Square, Saw, Sine, Triangle, Noise };

// A band-pass in the layer's formant bank; the bank's bands run side by side
// and add up, as the resonances of a throat do.
struct Formant {
    double frequency = 0.0;  // Hz
    double bandwidth = 0.0;  // Hz
    double gain = 1.0;
};

// Times in seconds, pitch movement in octaves, frequencies in Hz.
struct SoundLayer {
    int line = 0;  // where the layer begins in its source
    Wave wave = Wave::Square;
    double volume = 1.0;
    double delay = 0.0;  // silence before the layer starts
    double attack = 0.0;
    double sustain = 0.0;
    double punch = 0.0;  // extra loudness at the start of the sustain, fading out over it
    double decay = 0.0;
    double frequency = 440.0;
    double slide = 0.0;       // octaves per second
    double deltaSlide = 0.0;  // change of the slide, octaves per second per second
    double vibratoDepth = 0.0;  // semitones
    double vibratoRate = 0.0;
    double duty = 0.5;  // share of each square cycle spent high
    double dutySweep = 0.0;  // per second
    double arpeggioStep = 0.0;
    std::vector<double> arpeggio;  // pitch ratios taken one per step
    double repeat = 0.0;  // slide, arpeggio and duty sweep start again this often
    double tremoloDepth = 0.0;
    double tremoloRate = 0.0;
    double jitter = 0.0;  // each cycle's loudness drops by a random share up to this
    double lowpass = 0.0;  // cut-off; 0 leaves the layer unfiltered
    double resonance = 0.7;
    double lowpassSweep = 0.0;  // octaves per second
    double highpass = 0.0;
    double highpassSweep = 0.0;
    std::vector<Formant> formants;
    double drive = 0.0;  // soft clipping after the filters; 0 is off
    std::uint32_t seed = 1;

    double length() const { return attack + sustain + decay; }
};

struct SoundEffect {
    std::vector<SoundLayer> layers;
    // Seconds of a seamless loop; 0 for a sound played once.
    double loop = 0.0;
};

// Reads a sound source. Lines (one layer's keys until the next "layer"):
//   loop SECONDS                  first line only: the sound loops seamlessly
//   layer [NAME]                  starts another layer mixed into the sound
//   wave square|saw|sine|triangle|noise
//   frequency HZ                  for noise: how fast its values change
//   slide OCTAVES  delta_slide OCTAVES  vibrato SEMITONES HZ
//   duty SHARE  duty_sweep SHARE  arpeggio SECONDS RATIO...  repeat SECONDS
//   attack S  sustain S  punch SHARE  decay S  delay S  volume FACTOR
//   tremolo DEPTH HZ  jitter SHARE  seed N  drive AMOUNT
//   lowpass HZ  resonance Q  lowpass_sweep OCTAVES  highpass HZ
//   highpass_sweep OCTAVES  formant HZ BANDWIDTH [GAIN] (several allowed)
// A looping sound holds still: no envelope, delay, slide, arpeggio, repeat
// or sweeps. Throws ContentError naming the file and line.
SoundEffect readSoundEffect(const std::string &fileName, const std::string &content);
