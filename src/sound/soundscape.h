// Soundscape: what the player hears. It listens to the game's events and
// plays each as a sound placed where it happened, relative to the view
// (louder near the middle, panned to its side); it keeps the lawnmower's
// engine running at the loudness the throttle asks for, and lets zombies
// near the view groan now and then. It knows nothing of channels or files:
// everything goes through a SoundOutput.
#pragma once

#include "sound/sound_output.h"
#include "world/game_events.h"
#include "world/vec2.h"

#include <array>
#include <cstdint>
#include <random>
#include <span>

// What the soundscape needs to know of a frame.
struct SoundFrame {
    Vec2 listener;           // the middle of the view, in world pixels
    float viewWidth = 256;   // in world pixels
    bool engineRunning = false;  // the player holds the running mower
    float throttle = 0.0f;   // 0.001 idles, 1 is full throttle
    bool paused = false;
    std::span<const Vec2> zombies;  // where the zombies stand
};

class Soundscape : public GameEventListener {
public:
    // volume: the master volume, 0 to 1, applied to every sound.
    Soundscape(SoundOutput &output, float volume);

    void gameEvent(const GameEvent &event) override;
    // Once a pass of the loop: the engine, the groans and the pause.
    void frame(const SoundFrame &frame);

    // Rules, public for their tests.
    float panOf(Vec2 position) const;
    float distanceGain(Vec2 position) const;
    // The engine's two loops for a throttle: idle fades out as the full
    // roar fades in.
    static std::array<float, 2> engineMix(float throttle);

private:
    // Plays the effect where it happened, unless one of its kind played
    // less than minGapMs ago.
    void playAt(SoundEffect effect, float volume, Vec2 position, std::uint32_t minGapMs = 0);
    void updateEngine(const SoundFrame &frame);
    void maybeGroan(const SoundFrame &frame, std::uint32_t now);

    SoundOutput &output_;
    float volume_;
    Vec2 listener_;
    float viewWidth_ = 256.0f;
    bool paused_ = false;
    std::array<float, 2> engine_{};  // the loops' volumes now, before the master volume
    std::array<std::uint32_t, kSoundEffectCount> lastPlayed_{};
    std::array<bool, kSoundEffectCount> playedOnce_{};
    std::uint32_t nextGroan_ = 0;
    // The soundscape's own draws: the game's generators must not see them,
    // or sound would change what happens in play.
    std::minstd_rand random_{20261210u};
};
