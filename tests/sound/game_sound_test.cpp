// The real game heard: SDL's disk audio driver writes what the game plays
// to a file, and the samples are read back. Each run plays the first
// shipped level for about two seconds of real time.
#include "core/game.h"
#include "core/program.h"
#include "support/scoped_env.h"
#include "support/temp_path.h"
#include "world/world_state.h"
#include "world/zombie.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The mower idling, at full throttle, or idling on a zombie (it shreds at
// any throttle).
enum class Mower { Idle, Full, OnZombie };

// A content folder with the shipped data and settings of its own.
class SoundContent {
public:
    explicit SoundContent(const std::string &settings) : root(tempPath("sound_content"))
    {
        fs::create_directories(root);
        fs::create_directory_symlink(fs::path(GORLAK_SOURCE_DIR) / "data", root / "data");
        std::ofstream(root / "settings.xml") << "<GorlakSettings>" << settings << "</GorlakSettings>\n";
    }
    ~SoundContent() { fs::remove_all(root); }

    fs::path root;
};

struct Heard {
    bool written = false;  // the driver opened its file
    double rms = 0.0;      // of the samples after the first half second
    bool writtenBeforeStart = false;  // when the sound waited for startSound()
    bool started = false;             // what startSound() answered
};

// The sound waits for startSound() until this many milliseconds into the
// run (the web page's first click), or starts with the game when negative.
Heard listen(const SoundContent &content, Mower mower, int soundStartMs = -1)
{
    const fs::path file = tempPath("sound.raw");
    fs::remove(file);
    const ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    const ScopedEnv output("SDL_DISKAUDIOFILE", file.c_str());
    // One buffer of 1024 samples at 22050 Hz every 46 ms: about real time.
    const ScopedEnv delay("SDL_DISKAUDIODELAY", "46");

    ProgramOptions options;
    options.contentDirectory = content.root;
    options.seed = 1;
    options.openJoystick = false;
    options.keepProgress = false;
    options.soundWaits = soundStartMs >= 0;
    if (!startProgram(options)) {
        stopProgram();
        ADD_FAILURE() << "the game did not start";
        return {};
    }
    Game &game = *runningGame();
    game.kbMouseMode = true;
    if (mower == Mower::OnZombie) {
        world.zombies.push_back(std::make_unique<Zombie>(Vec2(), 0.0f, 250.0f, 1.0e9f));
    }
    Heard heard;
    const std::uint32_t start = SDL_GetTicks();
    bool waiting = soundStartMs >= 0;
    while (SDL_GetTicks() - start < 2200 + static_cast<std::uint32_t>(std::max(soundStartMs, 0))) {
        if (waiting && SDL_GetTicks() - start >= static_cast<std::uint32_t>(soundStartMs)) {
            waiting = false;
            heard.writtenBeforeStart = fs::exists(file);
            heard.started = startSound();
            // A second call opens nothing more.
            heard.started = startSound() && heard.started;
        }
        game.leftButtonHeld = mower == Mower::Full;
        for (auto &zombie : world.zombies) {
            zombie->position = game.player.handPoint() - Vec2(3.5f, 3.5f);
            zombie->dead = false;
        }
        runOneFrame();
        SDL_Delay(msUntilNextFrame());
    }
    stopProgram();

    std::ifstream in(file, std::ios::binary);
    heard.written = static_cast<bool>(in);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    fs::remove(file);
    // Half a second of 16-bit stereo.
    const std::size_t skip = 22050 * 2 * 2 / 2;
    double sum = 0.0;
    std::size_t count = 0;
    for (std::size_t i = skip; i + 1 < bytes.size(); i += 2) {
        const auto sample = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                                      (static_cast<std::uint8_t>(bytes[i + 1]) << 8));
        sum += static_cast<double>(sample) * sample;
        ++count;
    }
    heard.rms = count > 0 ? std::sqrt(sum / static_cast<double>(count)) : 0.0;
    return heard;
}

const char *const kSilent = "<Width>64</Width><Height>48</Height>";
const char *const kLoud = "<Width>64</Width><Height>48</Height><Sound>1</Sound><SoundVolume>80</SoundVolume>";

}  // namespace

TEST(GameSound, silent_without_the_setting_the_engine_follows_the_throttle_and_strikes_are_heard)
{
    {
        const SoundContent silent(kSilent);
        const Heard heard = listen(silent, Mower::Full);
        EXPECT_TRUE(!heard.written || heard.rms == 0.0) << heard.rms;
    }
    const SoundContent loud(kLoud);
    const Heard idle = listen(loud, Mower::Idle);
    const Heard full = listen(loud, Mower::Full);
    const Heard shredding = listen(loud, Mower::OnZombie);
    ASSERT_TRUE(idle.written && full.written && shredding.written);
    EXPECT_GT(idle.rms, 300.0);
    EXPECT_GT(full.rms, 2.5 * idle.rms) << idle.rms << " then " << full.rms;
    EXPECT_GT(shredding.rms, 1.3 * idle.rms) << idle.rms << " then " << shredding.rms;
}

TEST(GameSound, waits_for_start_sound_when_asked_to)
{
    {
        const SoundContent loud(kLoud);
        const Heard late = listen(loud, Mower::Idle, 500);
        EXPECT_FALSE(late.writtenBeforeStart) << "no device is opened before startSound()";
        EXPECT_TRUE(late.started);
        ASSERT_TRUE(late.written);
        EXPECT_GT(late.rms, 300.0);
    }
    const SoundContent silent(kSilent);
    const Heard never = listen(silent, Mower::Idle, 200);
    EXPECT_FALSE(never.started) << "the settings ask for no sound";
    EXPECT_TRUE(!never.written || never.rms == 0.0) << never.rms;
}

TEST(GameSound, without_an_audio_device_one_line_and_the_game_plays_on)
{
    const SoundContent loud("<Width>64</Width><Height>48</Height><Sound>1</Sound>");
    // ALSA asked for a card that no machine has: the library has its own
    // say about that, which must not reach standard error.
    const ScopedEnv driver("SDL_AUDIODRIVER", "alsa");
    const ScopedEnv device("AUDIODEV", "hw:99,0");
    ProgramOptions options;
    options.contentDirectory = loud.root;
    options.drivenClock = true;
    options.openJoystick = false;
    options.keepProgress = false;
    testing::internal::CaptureStderr();
    const bool started = startProgram(options);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(started);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("No sound"), std::string::npos) << said;
    EXPECT_EQ(runOneFrame(), ProgramState::Running);
    stopProgram();
}
