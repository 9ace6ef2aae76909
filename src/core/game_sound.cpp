#include "core/game_sound.h"

#include "core/game.h"
#include "gfx/video.h"
#include "sound/mixer_output.h"
#include "world/world_state.h"
#include "world/zombie.h"

std::unique_ptr<GameSound> GameSound::start(float volume)
{
    std::unique_ptr<MixerOutput> output = MixerOutput::open();
    if (output == nullptr) {
        return nullptr;
    }
    return std::make_unique<GameSound>(std::move(output), volume);
}

GameSound::GameSound(std::unique_ptr<SoundOutput> output, float volume)
    : output_(std::move(output)), soundscape_(*output_, volume)
{
    addGameEventListener(&soundscape_);
}

GameSound::~GameSound()
{
    removeGameEventListener(&soundscape_);
}

void GameSound::frame(const Game &game)
{
    zombies_.clear();
    for (const auto &zombie : world.zombies) {
        zombies_.push_back(zombie->position + Vec2(3.5f, 6.5f));
    }
    SoundFrame frame;
    frame.listener = Vec2(static_cast<float>(camera.x) + static_cast<float>(camera.w) * 0.5f,
                          static_cast<float>(camera.y) + static_cast<float>(camera.h) * 0.5f);
    frame.viewWidth = static_cast<float>(camera.w);
    // The outro's closing scene has no mower.
    frame.engineRunning = game.running && !game.outro;
    frame.throttle = game.player.throttle();
    frame.paused = game.paused;
    frame.zombies = zombies_;
    soundscape_.frame(frame);
}
