// The outro: a scripted closing scene instead of play. The world keeps
// running; a burst of blood is released once, then the camera pans up
// through the level until the player quits. The frame's pacing, the grid
// steps, the pan's move and the events are play's own (game.cpp).
#include "core/follow_camera.h"
#include "core/game.h"
#include "core/game_messages.h"
#include "gfx/scene_render.h"
#include "platform/clock.h"
#include "world/blood_particles.h"
#include "world/game_events.h"
#include "world/random.h"
#include "world/world_state.h"

namespace {

constexpr std::uint32_t kBurstTime = 12250;
constexpr int kBurstX = 103;
constexpr int kBurstY = 244;
constexpr float kBurstIntensity = 3.0f;
const Vec2 kHoldPoint(117.0f, 246.0f);
constexpr std::uint32_t kPanStartTime = 14250;
const Vec2 kPanTarget(117.0f, 50.0f);
constexpr float kPanSpeed = 1.0f;

// One spray particle; the base direction turns in place from one to the next.
void burstParticle(Vec2 &base, bool dry)
{
    base.rotate(randomFloat(-1.5f, 1.5f));
    const Vec2 velocity = base * randomFloat(0.25f, 1.15f);
    spawnSpray(world.grid, kBurstX, kBurstY, velocity, dry);
}

}  // namespace

void Game::updateOutro(int steps)
{
    const std::uint32_t sinceStart = gameclock::now() - outroStart;
    if (!outroBurstDone && sinceStart > kBurstTime) {
        outroBurstDone = true;
        reportGameEvent(GameEventKind::OutroBurst, Vec2(kBurstX, kBurstY), kBurstIntensity);
        int countA = static_cast<int>(20.0f * kBurstIntensity);
        countA = countA < 2 ? 2 : countA;
        const int countB = static_cast<int>(40.0f * kBurstIntensity);
        Vec2 base(0.0f, -5.0f);
        for (int i = 0; i < countA; ++i) {
            burstParticle(base, false);
        }
        for (int i = 0; i < countB; ++i) {
            burstParticle(base, true);
        }
    }
    stepWorld(steps);

    if (cameraPanning) {
        // No stop test: once there, the direction is zero and the camera rests.
        movePan();
        followCamera(cameraCoordinate(cameraPos.x), cameraCoordinate(cameraPos.y), false);
    } else {
        cameraPos = kHoldPoint;
        followCamera(static_cast<int>(kHoldPoint.x), static_cast<int>(kHoldPoint.y), false);
        if (gameclock::now() - outroStart > kPanStartTime) {
            cameraPos = kHoldPoint;
            panTarget = kPanTarget;
            panSpeed = kPanSpeed;
            cameraPanning = true;
        }
    }

    drawBackground();
    updateParticles();
    // Every message is shown at its own position.
    for (const auto &message : messages) {
        updateGameMessage(*message, message->position);
    }
    render(world.grid, featherFlag);
}
