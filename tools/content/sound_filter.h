// A two-pole state-variable filter for the sound generator: low-pass,
// band-pass and high-pass outputs from one state, stable while its cut-off
// moves sample by sample (the trapezoidal form).
#pragma once

class SoundFilter {
public:
    struct Outputs {
        double low = 0.0;
        double band = 0.0;  // unity gain at the centre frequency
        double high = 0.0;
    };

    explicit SoundFilter(double sampleRate);
    // resonance is the filter's Q: 0.7 is flat, higher rings at the cut-off.
    void tune(double cutoff, double resonance);
    Outputs step(double input);

private:
    double sampleRate;
    double damping = 1.4;  // 1 / Q
    double a1 = 0.0;
    double a2 = 0.0;
    double a3 = 0.0;
    double state1 = 0.0;
    double state2 = 0.0;
};
