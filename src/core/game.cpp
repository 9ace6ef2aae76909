#include "core/game.h"

#include "core/collectables.h"
#include "core/exit_door.h"
#include "core/follow_camera.h"
#include "core/game_messages.h"
#include "core/input_manager.h"
#include "core/lawnmower.h"
#include "core/player_drawing.h"
#include "core/zombie_strikes.h"
#include "gfx/door_sprite.h"
#include "gfx/picture_cache.h"
#include "gfx/scene_render.h"
#include "gfx/screen_banner.h"
#include "gfx/video.h"
#include "platform/clock.h"
#include "world/blood_particles.h"
#include "world/cell_grid.h"
#include "world/game_events.h"
#include "world/grid_player_mover.h"
#include "world/world_state.h"

#include <cstdio>

namespace {

constexpr int kSuckerFirstRow = 128;
constexpr int kSuckerLastRow = 167;

}  // namespace

Game::Game()
{
    mover = std::make_unique<GridPlayerMover>(&world.grid);
    player.setMover(mover.get());
    player.setPosition(Vec2(50.0f, 220.0f));
    playerSprite = std::make_unique<Sprite>();
    playerSprite->setImage(sharedPicture(kPlayerPictureFile));
    playerSprite->play("p_run_right");
    player.setSprite(playerSprite.get());
    lawnmower = std::make_unique<Sprite>();
    lawnmower->setImage(video.lawnmowerImage.get());
    lawnmower->setPivot(5, 4);
    bloodSucker = false;
    outroStart = gameclock::now();
    outroBurstDone = false;
}

Game::~Game() = default;

int Game::beginFrame()
{
    const std::uint32_t elapsed = wallclock::now() - lastFrameTick;
    if (elapsed < kFrameMs) {
        return 0;
    }
    // A late frame runs one grid step instead of two: the simulation slows
    // down rather than catching up.
    const int steps = elapsed > kLateFrameMs ? 1 : 2;
    lastFrameTick = wallclock::now();
    return steps;
}

void Game::update()
{
    if (paused) {
        updatePaused();
        return;
    }
    const int steps = beginFrame();
    if (steps == 0) {
        return;
    }
    if (outro) {
        updateOutro(steps);
    } else {
        updatePlay(steps);
    }
    handleEvents();
    if (!outro) {
        aimWithMouse();
    }
}

void Game::updatePlay(int steps)
{
    stepWorld(steps);
    player.update();
    updateCamera();

    drawBackground();
    if (doorSprite != nullptr) {
        doorSprite->draw(video.world.get());
    }
    updateParticles();
    updateCollectables(player.centre());
    if (updateExitDoor(doorOpen, doorSprite.get(), player.centre()) && !levelFinished) {
        levelFinished = true;
        reportGameEvent(GameEventKind::LevelFinished, player.centre());
    }
    drawPlayer(player, playerSprite.get());
    updateZombies(player, world.grid);
    drawLawnmower(player, *lawnmower);
    updateGameMessages(messages, player.centre());
    render(world.grid, featherFlag);
    updateInputGrab();
}

void Game::stepWorld(int steps)
{
    CellGrid &grid = world.grid;
    for (int i = 0; i < steps; ++i) {
        grid.step(static_cast<int>(player.position().y + 25.0f));
    }
    if (bloodSucker) {
        runBloodSucker();
    }
}

std::uint32_t Game::msUntilNextFrame() const
{
    const std::uint32_t elapsed = wallclock::now() - (paused ? pausePollTick : lastFrameTick);
    return elapsed >= kFrameMs ? 0 : kFrameMs - elapsed;
}

void Game::runBloodSucker()
{
    CellGrid &grid = world.grid;
    for (int y = kSuckerFirstRow; y <= kSuckerLastRow; ++y) {
        for (int x = 0; x < grid.width(); ++x) {
            const Cell *cell = grid.cellAt(x, y);
            if (cell != nullptr && cell->kind() == Blood) {
                grid.removeCell(x, y);
            }
        }
    }
}

void Game::updateCamera()
{
    if (cameraPanning) {
        panTarget = player.centre();
        if (movePan().lengthSquared() < 1.5f) {
            cameraPanning = false;
        }
        followCamera(cameraCoordinate(cameraPos.x), cameraCoordinate(cameraPos.y), true);
    } else {
        followCamera(cameraCoordinate(player.position().x + 2.0f), cameraCoordinate(player.position().y + 6.5f),
                     true);
    }
}

Vec2 Game::movePan()
{
    const Vec2 d = panTarget - cameraPos;
    cameraPos += d.normalized() * panSpeed;
    return d;
}

void Game::updateInputGrab()
{
    const std::uint32_t now = wallclock::now();
    if (now - fpsTick < 1000) {
        return;
    }
    fpsTick = now;
    // The grab follows the control mode with up to a second of delay.
    const SDL_GrabMode grab = SDL_WM_GrabInput(SDL_GRAB_QUERY);
    if (kbMouseMode && grab == SDL_GRAB_OFF) {
        SDL_WM_GrabInput(SDL_GRAB_ON);
    } else if (!kbMouseMode && grab == SDL_GRAB_ON) {
        SDL_WM_GrabInput(SDL_GRAB_OFF);
    }
}

namespace {

// The direction a w/a/s/d key stands for, or -1.
int directionOfKey(SDLKey key)
{
    switch (key) {
    case SDLK_w:
        return static_cast<int>(Direction::Up);
    case SDLK_s:
        return static_cast<int>(Direction::Down);
    case SDLK_a:
        return static_cast<int>(Direction::Left);
    case SDLK_d:
        return static_cast<int>(Direction::Right);
    default:
        return -1;
    }
}

}  // namespace

void Game::handleEvents()
{
    while (SDL_PollEvent(&event)) {
        const bool fromDevice = input != nullptr && input->handleEvent(event);
        handleSharedEvent();
        // The outro hears only quitting and the mouse.
        if (!outro) {
            handlePlayEvent(fromDevice);
        }
    }
}

void Game::handlePlayEvent(bool fromDevice)
{
    if (fromDevice) {
        kbMouseMode = false;
    }
    switch (event.type) {
    case SDL_ACTIVEEVENT:
        if ((event.active.state & SDL_APPINPUTFOCUS) != 0 && event.active.gain == 0) {
            kbMouseMode = false;
        }
        break;
    case SDL_KEYDOWN: {
        if (event.key.keysym.sym == SDLK_r) {
            restartRequested = true;
        }
        // Presses wait for play to resume; releases count at once, so that
        // no key stays held.
        const int direction = directionOfKey(event.key.keysym.sym);
        if (direction >= 0 && !paused) {
            player.press(static_cast<Direction>(direction));
            kbMouseMode = true;
        }
        break;
    }
    case SDL_JOYBUTTONDOWN:
        if (event.jbutton.button == kRestartButton) {
            restartRequested = true;
        }
        break;
    case SDL_KEYUP: {
        const int direction = directionOfKey(event.key.keysym.sym);
        if (direction >= 0) {
            player.release(static_cast<Direction>(direction));
        }
        break;
    }
    default:
        break;
    }
}

void Game::handleSharedEvent()
{
    switch (event.type) {
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_ESCAPE) {
            running = false;
        } else if (event.key.keysym.sym == SDLK_p) {
            setPaused(!paused);
        } else if (event.key.keysym.sym == SDLK_F11) {
            toggleFullScreen();
            if (paused) {
                drawPausedView();
            }
        }
        break;
    case SDL_JOYBUTTONDOWN:
        if (event.jbutton.button == kPauseButton) {
            setPaused(!paused);
        }
        break;
    case SDL_VIDEOEXPOSE:
        if (paused) {
            drawPausedView();
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

void Game::setPaused(bool pause)
{
    if (pause == paused) {
        return;
    }
    paused = pause;
    const std::uint32_t now = wallclock::now();
    if (pause) {
        gameclock::hold();
        pausedAt = now;
        pausePollTick = now;
        drawPausedView();
    } else {
        gameclock::resume();
        lastFrameTick += now - pausedAt;
    }
}

void Game::updatePaused()
{
    const std::uint32_t now = wallclock::now();
    if (now - pausePollTick < kFrameMs) {
        return;
    }
    pausePollTick = now;
    handleEvents();
}

void Game::drawPausedView()
{
    // One try at the picture: a missing one is not read again at every redraw.
    if (video.pausedImage == nullptr && !pausedPictureTried) {
        pausedPictureTried = true;
        video.pausedImage = loadPicture(kPausedPictureFile);
        if (video.pausedImage == nullptr) {
            std::fprintf(stderr, "%s: cannot load picture, pausing without it: %s\n", kPausedPictureFile,
                         SDL_GetError());
        }
    }
    render(world.grid, featherFlag);
    drawScreenBanner(video.screen, video.pausedImage.get(), pixelSize);
}

void Game::aimWithMouse()
{
    if (!kbMouseMode) {
        return;
    }
    const float scale = static_cast<float>(pixelSize);
    const Vec2 aim(mouse.x / scale + static_cast<float>(camera.x), mouse.y / scale + static_cast<float>(camera.y));
    player.setAimAngle((aim - player.centre()).angle());
    player.setThrottle(leftButtonHeld ? 1.0f : 0.001f);
}
