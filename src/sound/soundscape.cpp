#include "sound/soundscape.h"

#include "platform/clock.h"

#include <algorithm>
#include <cmath>

namespace {

// Sounds to the far side of the view pan this far, never fully to one ear.
constexpr float kPanWidth = 0.8f;
// The engine: the idle loop alone at the lowest throttle (with a breath of
// the roar under it), the roar alone and much louder at full throttle.
constexpr float kIdleLoudness = 0.4f;
constexpr float kRoarAtIdle = 0.12f;
constexpr float kRoarLoudness = 0.9f;
// The engine's loops move toward their loudness by at most this much a
// frame, so a click of the mouse button swells instead of clicking.
constexpr float kEngineFadeStep = 0.2f;
// Shortest gaps between two sounds of a kind that can come every frame.
constexpr std::uint32_t kShredGapMs = 110;
constexpr std::uint32_t kSplashGapMs = 150;
constexpr std::uint32_t kDripGapMs = 70;
// Groans: from zombies within this many view widths of the middle, one
// every 2.5 to 6.5 seconds.
constexpr float kGroanReach = 0.75f;
constexpr std::uint32_t kGroanGapMs = 2500;
constexpr std::uint32_t kGroanSpreadMs = 4000;

constexpr SoundEffect kGroans[] = {SoundEffect::Groan1, SoundEffect::Groan2, SoundEffect::Groan3};

float clampUnit(float value)
{
    return std::clamp(value, 0.0f, 1.0f);
}

}  // namespace

Soundscape::Soundscape(SoundOutput &output, float volume) : output_(output), volume_(clampUnit(volume)) {}

float Soundscape::panOf(Vec2 position) const
{
    const float half = std::max(viewWidth_ * 0.5f, 1.0f);
    return std::clamp((position.x - listener_.x) / half, -1.0f, 1.0f) * kPanWidth;
}

float Soundscape::distanceGain(Vec2 position) const
{
    const float half = std::max(viewWidth_ * 0.5f, 1.0f);
    const float beyond = std::max((position - listener_).length() - half, 0.0f);
    return 1.0f / (1.0f + beyond / half);
}

std::array<float, 2> Soundscape::engineMix(float throttle)
{
    const float t = clampUnit((throttle - 0.001f) / 0.999f);
    return {kIdleLoudness * (1.0f - t), kRoarAtIdle + (kRoarLoudness - kRoarAtIdle) * t};
}

void Soundscape::gameEvent(const GameEvent &event)
{
    const float strength = event.strength;
    switch (event.kind) {
    case GameEventKind::GemTaken:
        playAt(SoundEffect::Collect, 0.8f, event.position);
        break;
    case GameEventKind::DoorOpened:
        playAt(SoundEffect::DoorOpen, 0.9f, event.position);
        break;
    case GameEventKind::LevelFinished:
        output_.play(SoundEffect::LevelDone, volume_, 0.0f);
        break;
    case GameEventKind::ZombieStruck:
        playAt(SoundEffect::Shred, 0.35f + 0.5f * clampUnit(strength), event.position, kShredGapMs);
        break;
    case GameEventKind::ZombieKilled:
        playAt(SoundEffect::ZombieDeath, 0.9f, event.position);
        break;
    case GameEventKind::PlayerJumped:
        playAt(SoundEffect::Jump, 0.5f * clampUnit(strength), event.position);
        break;
    case GameEventKind::PoolEntered:
        playAt(SoundEffect::SplashIn, clampUnit(0.35f + 0.5f * strength), event.position, kSplashGapMs);
        break;
    case GameEventKind::PoolLeft:
        playAt(SoundEffect::SplashOut, clampUnit(0.35f + 0.5f * strength), event.position, kSplashGapMs);
        break;
    case GameEventKind::SwimStroke:
        playAt(SoundEffect::SwimStroke, 0.5f, event.position);
        break;
    case GameEventKind::BloodLanded:
        playAt(SoundEffect::BloodDrip, 0.3f, event.position, kDripGapMs);
        break;
    case GameEventKind::OutroBurst:
        output_.play(SoundEffect::OutroBurst, volume_, 0.0f);
        break;
    case GameEventKind::PlayerHurt:
        break;
    }
}

void Soundscape::playAt(SoundEffect effect, float volume, Vec2 position, std::uint32_t minGapMs)
{
    const std::uint32_t now = gameclock::now();
    const auto index = static_cast<std::size_t>(effect);
    if (minGapMs > 0 && playedOnce_[index] && now - lastPlayed_[index] < minGapMs) {
        return;
    }
    playedOnce_[index] = true;
    lastPlayed_[index] = now;
    const float loudness = volume * volume_ * distanceGain(position);
    if (loudness > 0.0f) {
        output_.play(effect, loudness, panOf(position));
    }
}

void Soundscape::frame(const SoundFrame &frame)
{
    listener_ = frame.listener;
    viewWidth_ = frame.viewWidth;
    if (frame.paused != paused_) {
        paused_ = frame.paused;
        output_.pause(paused_);
    }
    if (paused_) {
        return;
    }
    updateEngine(frame);
    maybeGroan(frame, gameclock::now());
}

void Soundscape::updateEngine(const SoundFrame &frame)
{
    const std::array<float, 2> target =
        frame.engineRunning ? engineMix(frame.throttle) : std::array<float, 2>{0.0f, 0.0f};
    for (std::size_t i = 0; i < engine_.size(); ++i) {
        const float step = std::clamp(target[i] - engine_[i], -kEngineFadeStep, kEngineFadeStep);
        engine_[i] = std::clamp(engine_[i] + step, 0.0f, 1.0f);
        output_.loop(kEngineLoops[i], engine_[i] * volume_, 0.0f);
    }
}

void Soundscape::maybeGroan(const SoundFrame &frame, std::uint32_t now)
{
    if (static_cast<std::int32_t>(now - nextGroan_) < 0) {
        return;
    }
    const float reach = frame.viewWidth * kGroanReach;
    const Vec2 *nearest = nullptr;
    float nearestDistance = reach * reach;
    for (const Vec2 &zombie : frame.zombies) {
        const float d = (zombie - frame.listener).lengthSquared();
        if (d < nearestDistance) {
            nearestDistance = d;
            nearest = &zombie;
        }
    }
    if (nearest == nullptr) {
        return;
    }
    nextGroan_ = now + kGroanGapMs + static_cast<std::uint32_t>(random_() % kGroanSpreadMs);
    playAt(kGroans[random_() % 3], 0.55f, *nearest);
}
