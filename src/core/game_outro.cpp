// The closing scene: no player, zombies, collectables or door; the blood
// keeps flowing, one big burst sprays from the bottom of the level and the
// camera then climbs up through the level until the player quits.
#include "core/game.h"

#include "core/follow_camera.h"
#include "core/game_messages.h"
#include "core/input_manager.h"
#include "gfx/scene_render.h"
#include "world/blood_particles.h"
#include "world/cell_grid.h"
#include "world/clock.h"
#include "world/random.h"

#include <algorithm>

namespace {

// Timeline, in milliseconds after the level load.
constexpr std::uint32_t kBurstAfterMs = 12250;
constexpr std::uint32_t kPanAfterMs = 14250;

constexpr int kBurstX = 103;
constexpr int kBurstY = 244;
constexpr float kBurstIntensity = 3.0f;
const Vec2 kBurstVelocity(0.0f, -5.0f);

const Vec2 kCameraHold(117.0f, 246.0f);
const Vec2 kPanTarget(117.0f, 50.0f);
constexpr float kPanSpeed = 1.0f;

// The direction turns from particle to particle by up to 1.5 radians, so
// the burst spreads over the whole circle.
void releaseBurst(CellGrid &grid)
{
    const int wetCount = std::max(2, static_cast<int>(20.0f * kBurstIntensity));
    const int dryCount = static_cast<int>(40.0f * kBurstIntensity);
    Vec2 base = kBurstVelocity;
    for (int i = 0; i < wetCount + dryCount; ++i) {
        base.rotate(randomFloat(-1.5f, 1.5f));
        const Vec2 velocity = base * randomFloat(0.25f, 1.15f);
        spawnSpray(grid, kBurstX, kBurstY, velocity, i >= wetCount);
    }
}

}  // namespace

void Game::updateOutro()
{
    const int steps = beginFrame();
    if (steps == 0) {
        return;
    }
    CellGrid &grid = worldGrid();
    const std::uint32_t sinceStart = gameclock::now() - outroStart;
    if (!outroBurstDone && sinceStart > kBurstAfterMs) {
        outroBurstDone = true;
        releaseBurst(grid);
    }
    for (int i = 0; i < steps; ++i) {
        grid.step(static_cast<int>(player.position().y + 25.0f));
    }
    if (bloodSucker) {
        runBloodSucker();
    }

    // Hold on the bottom of the level, then climb; once cameraPos reaches
    // the target the step is zero and the camera rests there.
    if (cameraPanning) {
        const Vec2 d = panTarget - cameraPos;
        cameraPos += d.normalized() * panSpeed;
        followCamera(static_cast<int>(cameraPos.x), static_cast<int>(cameraPos.y), false);
    } else {
        cameraPos = kCameraHold;
        followCamera(static_cast<int>(kCameraHold.x), static_cast<int>(kCameraHold.y), false);
        if (sinceStart > kPanAfterMs) {
            cameraPos = kCameraHold;
            panTarget = kPanTarget;
            panSpeed = kPanSpeed;
            cameraPanning = true;
        }
    }

    drawBackground();
    updateParticles();
    // Every message is shown: each is asked about its own position.
    for (const std::unique_ptr<GameMessage> &message : messages) {
        if (message != nullptr) {
            updateGameMessage(*message, message->position);
        }
    }
    render(grid, featherFlag);

    // The scene only listens for quitting and keeps the mouse state; the
    // direction keys do nothing here.
    while (SDL_PollEvent(&event)) {
        if (input != nullptr) {
            input->handleEvent(event);
        }
        switch (event.type) {
        case SDL_KEYDOWN:
            if (event.key.keysym.sym == SDLK_ESCAPE) {
                running = false;
            }
            break;
        case SDL_MOUSEMOTION:
            mouse = Vec2(static_cast<int>(event.motion.x), static_cast<int>(event.motion.y));
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT) {
                leftButtonHeld = true;
            }
            break;
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_LEFT) {
                leftButtonHeld = false;
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
