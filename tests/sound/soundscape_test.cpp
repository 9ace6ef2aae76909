// The soundscape's rules, heard through a fake output on a driven clock.
#include "sound/soundscape.h"

#include "support/driven_clock.h"
#include "world/random.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <vector>

namespace {

struct Played {
    SoundEffect effect;
    float volume;
    float pan;
};

class FakeOutput : public SoundOutput {
public:
    void play(SoundEffect effect, float volume, float pan) override { played.push_back({effect, volume, pan}); }
    void loop(SoundEffect effect, float volume, float) override
    {
        loops[effect == SoundEffect::EngineIdle ? 0 : 1] = volume;
    }
    void pause(bool isPaused) override { pauses.push_back(isPaused); }

    std::vector<Played> played;
    float loops[2] = {0.0f, 0.0f};
    std::vector<bool> pauses;
};

class SoundscapeTest : public ::testing::Test {
protected:
    // The view 256 wide around (100, 100); the engine idling.
    SoundFrame frame(float throttle = 0.001f) const
    {
        SoundFrame f;
        f.listener = Vec2(100.0f, 100.0f);
        f.viewWidth = 256.0f;
        f.engineRunning = true;
        f.throttle = throttle;
        f.zombies = zombies;
        return f;
    }
    void frames(int count, const SoundFrame &f)
    {
        for (int i = 0; i < count; ++i)
            scape.frame(f);
    }
    void report(GameEventKind kind, Vec2 at, float strength = 1.0f) { scape.gameEvent({kind, at, strength}); }

    const DrivenClock clock{5000};
    FakeOutput out;
    Soundscape scape{out, 0.5f};
    std::vector<Vec2> zombies;
};

}  // namespace

TEST_F(SoundscapeTest, each_event_plays_its_sound_placed_by_the_view)
{
    scape.frame(frame());
    struct Case {
        GameEventKind kind;
        Vec2 at;
        float strength;
        std::optional<SoundEffect> effect;
        float volume;  // before the master volume of 0.5 and the distance
        float pan;
    };
    const Case cases[] = {
        {GameEventKind::GemTaken, Vec2(100, 100), 1.0f, SoundEffect::Collect, 0.8f, 0.0f},
        {GameEventKind::DoorOpened, Vec2(228, 100), 1.0f, SoundEffect::DoorOpen, 0.9f, 0.8f},
        {GameEventKind::ZombieStruck, Vec2(36, 100), 1.0f, SoundEffect::Shred, 0.85f, -0.4f},
        {GameEventKind::ZombieKilled, Vec2(-28, 100), 1.0f, SoundEffect::ZombieDeath, 0.9f, -0.8f},
        {GameEventKind::PlayerJumped, Vec2(100, 100), 0.85f, SoundEffect::Jump, 0.425f, 0.0f},
        {GameEventKind::PoolEntered, Vec2(164, 100), 0.5f, SoundEffect::SplashIn, 0.6f, 0.4f},
        {GameEventKind::PoolLeft, Vec2(100, 100), 2.0f, SoundEffect::SplashOut, 1.0f, 0.0f},
        {GameEventKind::SwimStroke, Vec2(100, 100), 1.0f, SoundEffect::SwimStroke, 0.5f, 0.0f},
        {GameEventKind::BloodLanded, Vec2(100, 100), 1.0f, SoundEffect::BloodDrip, 0.3f, 0.0f},
        {GameEventKind::LevelFinished, Vec2(400, 100), 1.0f, SoundEffect::LevelDone, 1.0f, 0.0f},
        {GameEventKind::OutroBurst, Vec2(103, 244), 3.0f, SoundEffect::OutroBurst, 1.0f, 0.0f},
        {GameEventKind::PlayerHurt, Vec2(100, 100), 0.1f, std::nullopt, 0.0f, 0.0f},
    };
    for (const Case &c : cases) {
        out.played.clear();
        report(c.kind, c.at, c.strength);
        if (!c.effect) {
            EXPECT_TRUE(out.played.empty());
            continue;
        }
        ASSERT_EQ(out.played.size(), 1u) << static_cast<int>(c.kind);
        EXPECT_EQ(out.played[0].effect, *c.effect);
        EXPECT_NEAR(out.played[0].volume, c.volume * 0.5f, 1e-5f) << static_cast<int>(c.kind);
        EXPECT_NEAR(out.played[0].pan, c.pan, 1e-5f) << static_cast<int>(c.kind);
    }

    // Beyond half the view the sound fades: half at twice that distance.
    EXPECT_FLOAT_EQ(scape.distanceGain(Vec2(228, 100)), 1.0f);
    EXPECT_FLOAT_EQ(scape.distanceGain(Vec2(356, 100)), 0.5f);
    EXPECT_FLOAT_EQ(scape.panOf(Vec2(1000, 0)), 0.8f);
}

TEST_F(SoundscapeTest, sounds_that_come_every_frame_are_spaced_out)
{
    scape.frame(frame());
    struct Case {
        GameEventKind kind;
        std::uint32_t gapMs;
    };
    for (const Case c : {Case{GameEventKind::ZombieStruck, 110}, Case{GameEventKind::BloodLanded, 70},
                         Case{GameEventKind::PoolEntered, 150}, Case{GameEventKind::PoolLeft, 150}}) {
        out.played.clear();
        for (std::uint32_t t = 0; t <= 2 * c.gapMs; ++t) {
            report(c.kind, Vec2(100, 100));
            wallclock::advance(1);
        }
        EXPECT_EQ(out.played.size(), 3u) << static_cast<int>(c.kind);
        wallclock::advance(1000);
    }
    // Gems, kills and jumps are never held back.
    out.played.clear();
    for (const GameEventKind kind : {GameEventKind::GemTaken, GameEventKind::ZombieKilled, GameEventKind::PlayerJumped}) {
        report(kind, Vec2(100, 100));
        report(kind, Vec2(100, 100));
    }
    EXPECT_EQ(out.played.size(), 6u);
}

TEST_F(SoundscapeTest, the_engine_follows_the_throttle_and_stops_with_the_mower)
{
    for (const auto &[throttle, idle, full] : {std::tuple{0.001f, 0.4f, 0.12f}, {1.0f, 0.0f, 0.9f}}) {
        EXPECT_NEAR(Soundscape::engineMix(throttle)[0], idle, 1e-6f);
        EXPECT_NEAR(Soundscape::engineMix(throttle)[1], full, 1e-6f);
    }
    // Idling: it swells in over a few frames, then holds.
    frames(5, frame());
    EXPECT_NEAR(out.loops[0], 0.4f * 0.5f, 1e-6f);
    EXPECT_NEAR(out.loops[1], 0.12f * 0.5f, 1e-6f);
    // Full throttle: at most 0.2 a frame, so a click swells instead of clicking.
    scape.frame(frame(1.0f));
    EXPECT_NEAR(out.loops[0], (0.4f - 0.2f) * 0.5f, 1e-6f);
    frames(5, frame(1.0f));
    EXPECT_NEAR(out.loops[0], 0.0f, 1e-6f);
    EXPECT_NEAR(out.loops[1], 0.9f * 0.5f, 1e-6f);
    SoundFrame outro = frame(1.0f);
    outro.engineRunning = false;
    frames(5, outro);
    EXPECT_NEAR(out.loops[1], 0.0f, 1e-6f);
}

TEST_F(SoundscapeTest, a_pause_holds_every_sound_once_and_lets_them_go_once)
{
    SoundFrame paused = frame(1.0f);
    paused.paused = true;
    scape.frame(frame());
    const float idle = out.loops[0];
    frames(2, paused);
    EXPECT_EQ(out.loops[0], idle);  // not touched while paused
    scape.frame(frame());
    EXPECT_EQ(out.pauses, (std::vector<bool>{true, false}));
}

TEST_F(SoundscapeTest, zombies_near_the_view_groan_now_and_then_without_touching_the_game_draws)
{
    seedRandom(77);
    const int expected = nextRandomInteger();
    seedRandom(77);

    zombies = {Vec2(600, 100)};  // beyond three quarters of a view away
    scape.frame(frame());
    EXPECT_TRUE(out.played.empty());

    zombies = {Vec2(600, 100), Vec2(250, 120)};
    int groans = 0;
    // 20 seconds of frames: a groan every 2.5 to 6.5 seconds, from the near one.
    for (int f = 0; f < 600; ++f) {
        out.played.clear();
        scape.frame(frame());
        wallclock::advance(33);
        for (const Played &p : out.played) {
            ASSERT_TRUE(p.effect == SoundEffect::Groan1 || p.effect == SoundEffect::Groan2 ||
                        p.effect == SoundEffect::Groan3);
            EXPECT_GT(p.pan, 0.0f);
            ++groans;
        }
    }
    EXPECT_GE(groans, 3);
    EXPECT_LE(groans, 9);
    EXPECT_EQ(nextRandomInteger(), expected);
    resetRandom();
}
