// The game's sound effects: one name each, and the file each is read from.
#pragma once

#include <array>
#include <string>

enum class SoundEffect {
    EngineIdle,
    EngineFull,
    Shred,
    ZombieDeath,
    SplashIn,
    SplashOut,
    SwimStroke,
    BloodDrip,
    Jump,
    Collect,
    DoorOpen,
    LevelDone,
    OutroBurst,
    Groan1,
    Groan2,
    Groan3,
};

inline constexpr int kSoundEffectCount = 16;

// "data/sfx/<name>.wav", relative to the content directory (.opus in the
// web page, which downloads its sounds compressed).
std::string soundEffectFile(SoundEffect effect);

// The two engine sounds loop for as long as the mower runs; each has a
// channel of its own.
inline constexpr std::array kEngineLoops = {SoundEffect::EngineIdle, SoundEffect::EngineFull};
