#include "core/game.h"

#include "gfx/scene_render.h"
#include "world/clock.h"

namespace {
constexpr std::uint32_t kFrameMs = 33;
}

Game::Game() = default;

void Game::update()
{
    const std::uint32_t now = gameclock::now();
    if (now - lastFrameTick < kFrameMs) {
        return;
    }
    lastFrameTick = now;
    drawBackground();
    render();
    handleEvents();
}

std::uint32_t Game::msUntilNextFrame() const
{
    const std::uint32_t elapsed = gameclock::now() - lastFrameTick;
    return elapsed >= kFrameMs ? 0 : kFrameMs - elapsed;
}

void Game::handleEvents()
{
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_KEYDOWN:
            if (event.key.keysym.sym == SDLK_ESCAPE) {
                running = false;
            }
            break;
        case SDL_QUIT:
            running = false;
            break;
        default:
            break;
        }
    }
}
