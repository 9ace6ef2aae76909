// Checks of the sounds the game ships: the form the mixer plays, their
// levels and lengths, and engine loops that join without a click.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct ShippedSound {
    std::vector<int> samples;
    bool read = false;
};

ShippedSound load(const std::string &name)
{
    ShippedSound sound;
    SDL_AudioSpec spec;
    std::memset(&spec, 0, sizeof spec);
    Uint8 *buffer = nullptr;
    Uint32 length = 0;
    const std::string path = std::string(GORLAK_SOURCE_DIR) + "/data/sfx/" + name + ".wav";
    if (SDL_LoadWAV(path.c_str(), &spec, &buffer, &length) == nullptr)
        return sound;
    sound.read = spec.format == AUDIO_S16LSB && spec.channels == 1 && spec.freq == 22050;
    for (Uint32 i = 0; i + 1 < length; i += 2)
        sound.samples.push_back(static_cast<std::int16_t>(buffer[i] | buffer[i + 1] << 8));
    SDL_FreeWAV(buffer);
    return sound;
}

double seconds(const ShippedSound &sound)
{
    return static_cast<double>(sound.samples.size()) / 22050.0;
}

double rootMeanSquare(const ShippedSound &sound)
{
    double sum = 0.0;
    for (const int sample : sound.samples)
        sum += static_cast<double>(sample) * sample;
    return std::sqrt(sum / static_cast<double>(sound.samples.size()));
}

// Sign changes per second: a rough measure of how bright a sound is.
double crossingsPerSecond(const ShippedSound &sound)
{
    int crossings = 0;
    for (std::size_t i = 1; i < sound.samples.size(); ++i)
        crossings += (sound.samples[i - 1] < 0) != (sound.samples[i] < 0);
    return crossings / seconds(sound);
}

}  // namespace

TEST(ShippedSounds, every_sound_is_mono_16_bit_at_its_level_and_length)
{
    const struct {
        const char *name;
        double shortest;
        double longest;
        bool loops;
    } sounds[] = {
        {"engine_idle", 0.5, 1.5, true},  {"engine_full", 0.5, 1.5, true},   {"shred", 0.15, 0.3, false},
        {"zombie_death", 0.4, 0.7, false}, {"splash_in", 0.2, 1.0, false},   {"splash_out", 0.15, 0.8, false},
        {"swim_stroke", 0.15, 0.6, false}, {"blood_drip", 0.05, 0.1, false}, {"jump", 0.1, 0.4, false},
        {"collect", 0.2, 0.8, false},      {"door_open", 0.4, 1.5, false},   {"level_done", 0.8, 1.3, false},
        {"outro_burst", 1.2, 1.8, false},  {"groan_1", 0.5, 2.0, false},     {"groan_2", 0.5, 2.0, false},
        {"groan_3", 0.5, 2.0, false},
    };
    std::uintmax_t bytes = 0;
    for (const auto &expected : sounds) {
        const ShippedSound sound = load(expected.name);
        ASSERT_TRUE(sound.read) << expected.name << " is not 22050 Hz mono 16-bit PCM";
        bytes += std::filesystem::file_size(std::string(GORLAK_SOURCE_DIR) + "/data/sfx/" + expected.name + ".wav");
        EXPECT_TRUE(seconds(sound) >= expected.shortest && seconds(sound) <= expected.longest)
            << expected.name << " lasts " << seconds(sound) << " s";
        int peak = 0;
        double sum = 0.0;
        for (const int sample : sound.samples) {
            peak = std::max(peak, std::abs(sample));
            sum += sample;
        }
        const double peakDecibels = 20.0 * std::log10(peak / 32768.0);
        EXPECT_TRUE(peakDecibels > -1.5 && peakDecibels < -0.5) << expected.name << " peaks at " << peakDecibels;
        EXPECT_LT(std::abs(sum / static_cast<double>(sound.samples.size())), 32768 * 0.002)
            << expected.name << " has an offset";
        if (!expected.loops) {
            EXPECT_TRUE(sound.samples.front() == 0 && sound.samples.back() == 0) << expected.name << " clicks";
        }
    }
    EXPECT_LT(bytes, 600u * 1024u) << "the sounds should stay small";
}

TEST(ShippedSounds, engine_loops_join_without_a_click_and_full_throttle_roars)
{
    const ShippedSound idle = load("engine_idle");
    const ShippedSound full = load("engine_full");
    for (const ShippedSound *engine : {&idle, &full}) {
        ASSERT_TRUE(engine->read && engine->samples.size() > 1000);
        std::vector<int> steps;
        for (std::size_t i = 1; i < engine->samples.size(); ++i)
            steps.push_back(std::abs(engine->samples[i] - engine->samples[i - 1]));
        std::nth_element(steps.begin(), steps.begin() + steps.size() / 2, steps.end());
        const int join = std::abs(engine->samples.front() - engine->samples.back());
        EXPECT_LE(join, steps[steps.size() / 2]) << "the step across the loop is larger than the typical step";
    }
    EXPECT_GT(crossingsPerSecond(full), crossingsPerSecond(idle) * 1.3) << "full throttle sounds brighter";
    EXPECT_GT(rootMeanSquare(full), rootMeanSquare(idle) * 1.4) << "full throttle sounds louder";
}
