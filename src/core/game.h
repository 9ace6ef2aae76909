// Game: the central object of play. It holds the player, the camera pan,
// the control mode, timing and the level flags; update() runs one paced
// frame: grid steps, player, camera, drawing, composite and input.
#pragma once

#include "formats/game_message.h"
#include "gfx/sprite.h"
#include "world/player.h"
#include "world/player_mover.h"
#include "world/vec2.h"

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class InputManager;

inline constexpr const char *kPlayerPictureFile = "data/gfx/player_avatar.png";

// Joystick buttons for the extras: the back button restarts the level and
// the start button pauses (their numbers on the usual Linux game pads).
inline constexpr int kRestartButton = 6;
inline constexpr int kPauseButton = 7;

// A frame is due every 33 ms; one later than 40 ms runs a single grid step.
inline constexpr std::uint32_t kFrameMs = 33;
inline constexpr std::uint32_t kLateFrameMs = 40;

class Game {
public:
    Game();
    ~Game();
    Game(const Game &) = delete;
    Game &operator=(const Game &) = delete;

    // One frame of play (or of the outro), or nothing when the last frame
    // ran less than 33 ms ago.
    void update();
    // Milliseconds until update() will run a frame again (0 when due).
    std::uint32_t msUntilNextFrame() const;

    // Resets the game state and loads one level file. False, with a line on
    // standard error, when the file or one of its pictures cannot be read.
    bool loadLevel(const std::string &fileName);
    // Puts the game state back to its start-of-level values.
    void reset();
    // Pausing holds the game clock, draws the "PAUSED" banner over the
    // frozen view and runs no frame of play until resumed; frame pacing
    // goes on from where it stood.
    void setPaused(bool pause);

    void setInput(InputManager *manager) { input = manager; }
    Player &getPlayer() { return player; }

    bool kbMouseMode = false;
    bool cameraPanning = false;
    Vec2 cameraPos;
    Vec2 panTarget;
    float panSpeed = 0.25f;
    std::uint32_t fpsTick = 0;
    bool running = true;
    SDL_Event event{};
    bool leftButtonHeld = false;
    Vec2 mouse;
    Player player;
    std::unique_ptr<Sprite> lawnmower;
    bool doorOpen = false;
    bool featherFlag = true;
    std::uint32_t lastFrameTick = 0;
    bool levelFinished = false;
    InputManager *input = nullptr;
    bool bloodSucker = false;
    std::uint32_t outroStart = 0;
    bool outroBurstDone = false;
    bool outro = false;
    std::vector<std::unique_ptr<GameMessage>> messages;

    // Beyond the design's frame: r (or the restart button) asks the session
    // to load the level again; p (or the pause button) pauses; F11 switches
    // between window and full screen.
    bool restartRequested = false;
    bool paused = false;

private:
    // Frame pacing: false when too early; otherwise the number of grid steps.
    int beginFrame();
    // What differs between the two modes: play and the outro's scene.
    void updatePlay(int steps);
    void updateOutro(int steps);
    // The grid's steps and the blood sucker, in both modes.
    void stepWorld(int steps);
    void runBloodSucker();
    // Moves cameraPos one step of panSpeed towards panTarget; returns the
    // distance before the move.
    Vec2 movePan();
    void updateCamera();
    void updateInputGrab();
    // The event queue, in both modes: Escape, the window's close request
    // and the mouse always; keys, focus and devices only in play.
    void handleEvents();
    void handleSharedEvent();
    void handlePlayEvent(bool fromDevice);
    void aimWithMouse();
    // While paused: the event queue once a frame interval, nothing else.
    void updatePaused();
    // The last frame again with the banner over it.
    void drawPausedView();

    std::uint32_t pausedAt = 0;       // wall time of the pause
    std::uint32_t pausePollTick = 0;  // wall time the queue was last read
    bool pausedPictureTried = false;
    std::unique_ptr<PlayerMover> mover;
    std::unique_ptr<Sprite> playerSprite;
};
