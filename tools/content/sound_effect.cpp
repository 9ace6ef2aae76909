#include "sound_effect.h"

#include "source_text.h"

#include <set>
#include <sstream>

namespace {

constexpr double kLongestSound = 4.0;  // seconds; keeps the shipped set small

// A key holding one number in a range. Keys that move over time cannot be
// used in a loop, which must end where it began.
struct NumberKey {
    const char *name;
    double SoundLayer::*field;
    double low;
    double high;
    bool inLoop;
};

const NumberKey kNumberKeys[] = {
    {"frequency", &SoundLayer::frequency, 1.0, 11000.0, true},
    {"volume", &SoundLayer::volume, 0.0, 10.0, true},
    {"delay", &SoundLayer::delay, 0.0, kLongestSound, false},
    {"attack", &SoundLayer::attack, 0.0, kLongestSound, false},
    {"sustain", &SoundLayer::sustain, 0.0, kLongestSound, false},
    {"punch", &SoundLayer::punch, 0.0, 4.0, false},
    {"decay", &SoundLayer::decay, 0.0, kLongestSound, false},
    {"slide", &SoundLayer::slide, -64.0, 64.0, false},
    {"delta_slide", &SoundLayer::deltaSlide, -256.0, 256.0, false},
    {"duty", &SoundLayer::duty, 0.02, 0.98, true},
    {"duty_sweep", &SoundLayer::dutySweep, -10.0, 10.0, false},
    {"repeat", &SoundLayer::repeat, 0.01, kLongestSound, false},
    {"jitter", &SoundLayer::jitter, 0.0, 1.0, true},
    {"lowpass", &SoundLayer::lowpass, 10.0, 20000.0, true},
    {"resonance", &SoundLayer::resonance, 0.5, 20.0, true},
    {"lowpass_sweep", &SoundLayer::lowpassSweep, -64.0, 64.0, false},
    {"highpass", &SoundLayer::highpass, 10.0, 20000.0, true},
    {"highpass_sweep", &SoundLayer::highpassSweep, -64.0, 64.0, false},
    {"drive", &SoundLayer::drive, 0.0, 50.0, true},
};

Wave waveNamed(const SourceCursor &c, const std::string &name)
{
    const std::pair<const char *, Wave> waves[] = {{"square", Wave::Square}, {"saw", Wave::Saw},
                                                   {"sine", Wave::Sine}, {"triangle", Wave::Triangle},
                                                   {"noise", Wave::Noise}};
    for (const auto &[text, wave] : waves)
        if (name == text)
            return wave;
    c.fail("unknown wave \"" + name + "\" (square, saw, sine, triangle or noise)");
}

std::string shown(double value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

double numberIn(const SourceCursor &c, std::size_t index, const std::string &key, double low, double high)
{
    const double value = c.number(index);
    if (value < low || value > high)
        c.fail(key + " " + shown(value) + " is outside " + shown(low) + " to " + shown(high));
    return value;
}

// Reads one line into the current layer.
void readLayerLine(const SourceCursor &c, const SourceLine &line, SoundLayer &layer, bool looping)
{
    const std::string &key = line.words[0];
    for (const NumberKey &numberKey : kNumberKeys) {
        if (key != numberKey.name)
            continue;
        if (looping && !numberKey.inLoop)
            c.fail(key + " cannot be used in a looping sound");
        if (line.words.size() != 2)
            c.fail("expected: " + key + " NUMBER");
        layer.*numberKey.field = numberIn(c, 1, key, numberKey.low, numberKey.high);
        return;
    }
    if (key == "wave") {
        c.expectWords(2, "wave square|saw|sine|triangle|noise");
        layer.wave = waveNamed(c, c.word(1));
    } else if (key == "seed") {
        c.expectWords(2, "seed N");
        layer.seed = static_cast<std::uint32_t>(c.integer(1));
    } else if (key == "vibrato") {
        c.expectWords(3, "vibrato SEMITONES HZ");
        layer.vibratoDepth = numberIn(c, 1, "vibrato depth", 0.0, 24.0);
        layer.vibratoRate = numberIn(c, 2, "vibrato rate", 0.0, 100.0);
    } else if (key == "tremolo") {
        c.expectWords(3, "tremolo DEPTH HZ");
        layer.tremoloDepth = numberIn(c, 1, "tremolo depth", 0.0, 1.0);
        layer.tremoloRate = numberIn(c, 2, "tremolo rate", 0.0, 500.0);
    } else if (key == "arpeggio") {
        if (looping)
            c.fail("arpeggio cannot be used in a looping sound");
        c.expectWords(3, "arpeggio SECONDS RATIO...");
        layer.arpeggioStep = numberIn(c, 1, "arpeggio step", 0.005, kLongestSound);
        for (std::size_t i = 2; i < line.words.size(); ++i)
            layer.arpeggio.push_back(numberIn(c, i, "arpeggio ratio", 0.05, 20.0));
    } else if (key == "formant") {
        c.expectWords(3, "formant HZ BANDWIDTH [GAIN]");
        Formant formant;
        formant.frequency = numberIn(c, 1, "formant", 20.0, 10000.0);
        formant.bandwidth = numberIn(c, 2, "formant bandwidth", 5.0, 10000.0);
        formant.gain = line.words.size() > 3 ? numberIn(c, 3, "formant gain", 0.0, 10.0) : 1.0;
        layer.formants.push_back(formant);
    } else {
        c.fail("unknown line \"" + line.text + "\"");
    }
}

}  // namespace

SoundEffect readSoundEffect(const std::string &fileName, const std::string &content)
{
    SoundEffect effect;
    std::set<std::string> keysInLayer;
    bool first = true;
    for (const SourceLine &line : splitSource(content)) {
        const SourceCursor c(fileName, line);
        const std::string &key = line.words[0];
        if (key == "loop") {
            if (!first)
                c.fail("loop must be the first line");
            c.expectWords(2, "loop SECONDS");
            effect.loop = numberIn(c, 1, "loop", 0.05, kLongestSound);
        } else if (key == "layer") {
            effect.layers.emplace_back().line = line.number;
            keysInLayer.clear();
        } else {
            if (effect.layers.empty())
                effect.layers.emplace_back().line = line.number;
            if (key != "formant" && !keysInLayer.insert(key).second)
                c.fail(key + " is given twice in one layer");
            readLayerLine(c, line, effect.layers.back(), effect.loop > 0.0);
        }
        first = false;
    }
    if (effect.layers.empty())
        throw ContentError(fileName, 0, "no sound: the source has no layer");
    for (const SoundLayer &layer : effect.layers) {
        const double end = layer.delay + layer.length();
        if (effect.loop == 0.0 && layer.length() <= 0.0)
            throw ContentError(fileName, layer.line, "the layer is silent: give it a sustain or a decay");
        if (end > kLongestSound)
            throw ContentError(fileName, layer.line, "the layer ends after " + shown(end) +
                                                         " s, more than the longest sound of " +
                                                         shown(kLongestSound) + " s");
    }
    return effect;
}
