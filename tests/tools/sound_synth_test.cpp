#include "content/sound_synth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

std::vector<std::int16_t> render(const std::string &source)
{
    return renderSound(readSoundEffect("test.txt", source));
}

// Rising zero crossings from sample first to sample last.
std::vector<std::size_t> risingCrossings(const std::vector<std::int16_t> &samples, std::size_t first,
                                         std::size_t last)
{
    std::vector<std::size_t> crossings;
    for (std::size_t i = std::max<std::size_t>(first, 1); i < std::min(last, samples.size()); ++i)
        if (samples[i - 1] < 0 && samples[i] >= 0)
            crossings.push_back(i);
    return crossings;
}

int largestStep(const std::vector<std::int16_t> &samples)
{
    int largest = 0;
    for (std::size_t i = 1; i < samples.size(); ++i)
        largest = std::max(largest, std::abs(samples[i] - samples[i - 1]));
    return largest;
}

int peakOf(const std::vector<std::int16_t> &samples)
{
    int peak = 0;
    for (const std::int16_t sample : samples)
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    return peak;
}

const int kPeak = 29204;  // -1 dB below full scale

}  // namespace

TEST(SoundSynth, envelope_and_delay_give_the_sound_its_length)
{
    const struct {
        const char *source;
        std::size_t samples;
    } cases[] = {
        {"sustain 0.2\n", 4410},
        {"attack 0.01\nsustain 0.09\ndecay 0.1\n", 4410},
        {"decay 0.5\n", 11025},
        {"sustain 0.1\nlayer\ndelay 0.1\nattack 0.1\ndecay 0.1\n", 6615},
        {"loop 0.5\nwave sine\nfrequency 100\n", 11025},
    };
    for (const auto &c : cases) {
        const std::vector<std::int16_t> samples = render(c.source);
        ASSERT_EQ(samples.size(), c.samples) << c.source;
        // Heard to the end: the decay is not cut short.
        const std::vector<std::int16_t> tail(samples.end() - static_cast<std::ptrdiff_t>(c.samples / 10),
                                             samples.end() - static_cast<std::ptrdiff_t>(kEdgeFade));
        EXPECT_GT(peakOf(tail), 0) << c.source;
    }
}

TEST(SoundSynth, square_wave_repeats_at_its_frequency)
{
    const struct {
        double frequency;
        double period;  // samples at 22050 per second
    } cases[] = {{441.0, 50.0}, {147.0, 150.0}, {2205.0, 10.0}, {55.125, 400.0}};
    for (const auto &c : cases) {
        const std::vector<std::int16_t> samples =
            render("wave square\nsustain 1\nfrequency " + std::to_string(c.frequency) + "\n");
        const std::vector<std::size_t> crossings = risingCrossings(samples, 1000, samples.size() - 1000);
        ASSERT_GE(crossings.size(), 10u) << c.frequency;
        const double period = static_cast<double>(crossings.back() - crossings.front()) /
                              static_cast<double>(crossings.size() - 1);
        EXPECT_NEAR(period, c.period, 0.02) << c.frequency;
    }
}

TEST(SoundSynth, pitch_moves_the_way_slide_and_arpeggio_say)
{
    const struct {
        const char *movement;
        bool rises;
    } cases[] = {{"slide 2", true}, {"slide -2", false}, {"delta_slide -12", false},
                 {"arpeggio 0.2 2", true}, {"arpeggio 0.2 0.5", false}};
    for (const auto &c : cases) {
        const std::vector<std::int16_t> samples =
            render(std::string("wave sine\nfrequency 400\nsustain 0.5\n") + c.movement + "\n");
        const std::size_t early = risingCrossings(samples, 100, 4410).size();
        const std::size_t late = risingCrossings(samples, samples.size() - 4410, samples.size()).size();
        if (c.rises)
            EXPECT_GT(late, early * 5 / 4) << c.movement;
        else
            EXPECT_LT(late * 5 / 4, early) << c.movement;
    }
}

TEST(SoundSynth, noise_follows_its_seed_and_filters_shape_it)
{
    const std::string noise = "wave noise\nfrequency 8000\nsustain 0.5\n";
    EXPECT_EQ(render(noise + "seed 4\n"), render(noise + "seed 4\n"));
    EXPECT_NE(render(noise + "seed 4\n"), render(noise + "seed 5\n"));
    const std::size_t open = risingCrossings(render(noise), 0, 11025).size();
    EXPECT_LT(risingCrossings(render(noise + "lowpass 400\n"), 0, 11025).size() * 4, open);
    EXPECT_GT(risingCrossings(render("wave noise\nfrequency 1000\nsustain 0.5\nhighpass 3000\n"), 0, 11025).size(),
              risingCrossings(render("wave noise\nfrequency 1000\nsustain 0.5\n"), 0, 11025).size() * 2);
}

TEST(SoundSynth, every_sound_peaks_at_minus_one_decibel_and_starts_and_ends_silent)
{
    const char *sources[] = {
        "sustain 0.3\nvolume 10\n",
        "wave saw\nfrequency 60\nsustain 0.3\nlowpass 300\nresonance 20\ndrive 50\n",
        "sustain 0.2\nlayer\nwave noise\nsustain 0.2\nvolume 10\nlayer\nwave sine\nsustain 0.3\nvolume 10\n",
        "wave sine\nfrequency 80\nsustain 0.1\nvolume 0.01\n",
        "loop 0.3\nwave square\nfrequency 100\nduty 0.1\nvolume 10\n",
    };
    for (const char *source : sources) {
        const std::vector<std::int16_t> samples = render(source);
        EXPECT_NEAR(peakOf(samples), kPeak, 1) << source;
        double sum = 0.0;
        for (const std::int16_t sample : samples)
            sum += sample;
        EXPECT_LT(std::abs(sum / static_cast<double>(samples.size())), 32767.0 * 0.005) << source << " has an offset";
    }
    const std::vector<std::int16_t> once = render("wave square\nsustain 0.2\n");
    EXPECT_TRUE(once.front() == 0 && once.back() == 0);
    EXPECT_LT(std::abs(once[kEdgeFade / 2]), kPeak * 3 / 4) << "the start fades in";
}

TEST(SoundSynth, loops_are_smooth_across_the_join)
{
    // Played twice over, a smooth loop steps no further from one sample to
    // the next than its fastest wave allows, at the join as anywhere else;
    // a pure tone's slope does not jump either, so its pitch holds too.
    const struct {
        const char *source;
        double fastest;  // Hz, the highest pitch the loop reaches
        bool pureTone;
    } cases[] = {
        {"loop 0.5\nwave sine\nfrequency 101.3\n", 102.0, true},
        {"loop 0.4\nwave sine\nfrequency 300\nvibrato 12 3.3\n", 600.0, true},
        {"loop 0.45\nwave triangle\nfrequency 200\ntremolo 0.8 2.7\n", 200.0, false},
        {"loop 0.5\nwave square\nfrequency 55.3\nlowpass 150\n", 150.0, false},
        {"loop 0.5\nwave square\nfrequency 30\nlowpass 200\nlayer\nwave sine\nfrequency 90.7\n", 200.0, false},
    };
    for (const auto &c : cases) {
        std::vector<std::int16_t> twice = render(c.source);
        ASSERT_FALSE(twice.empty());
        twice.insert(twice.end(), twice.begin(), twice.end());
        const double turn = 2.0 * std::numbers::pi * c.fastest / kSoundRate;
        EXPECT_LT(largestStep(twice), turn * kPeak * 1.02 + 2.0) << c.source;
        int bend = 0;
        for (std::size_t i = 1; c.pureTone && i + 1 < twice.size(); ++i)
            bend = std::max(bend, std::abs(twice[i + 1] - 2 * twice[i] + twice[i - 1]));
        EXPECT_LT(bend, turn * turn * kPeak * 1.1 + 4.0) << c.source;
    }
}
