// Game: the central object of play. update() runs one paced frame: grid
// steps, player, camera, drawing, composite and input.
#pragma once

#include <SDL.h>

#include <cstdint>

class Game {
public:
    Game();

    // One frame of play, or nothing when the last frame was under 33 ms ago.
    void update();
    // Milliseconds until update() will run a frame again (0 when due).
    std::uint32_t msUntilNextFrame() const;

    bool running = true;
    bool levelFinished = false;

private:
    void handleEvents();

    std::uint32_t lastFrameTick = 0;
    SDL_Event event{};
};
