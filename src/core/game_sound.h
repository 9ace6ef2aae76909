// GameSound: the game heard. It opens the sound output, listens to the
// game's events through the soundscape and tells the soundscape, once a
// pass, where the view is, how the mower runs and where the zombies stand.
#pragma once

#include "sound/sound_output.h"
#include "sound/soundscape.h"

#include <memory>
#include <vector>

class Game;

class GameSound {
public:
    // Null when no audio device opens (the reason is on standard error).
    static std::unique_ptr<GameSound> start(float volume);
    // Listens to the game's events through the given output (tests).
    GameSound(std::unique_ptr<SoundOutput> output, float volume);
    ~GameSound();
    GameSound(const GameSound &) = delete;
    GameSound &operator=(const GameSound &) = delete;

    void frame(const Game &game);

private:
    std::unique_ptr<SoundOutput> output_;
    Soundscape soundscape_;
    std::vector<Vec2> zombies_;  // reused from pass to pass
};
