// Replays: the real game run headless frame by frame on a driven clock with
// fixed seeds, fed scripted SDL events, with its state read back afterwards.
#pragma once

#include "core/game_session.h"
#include "world/vec2.h"

#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>
#include <string>
#include <vector>

// One event, pushed before the frame of that number runs (frames count from 0).
struct ReplayEvent {
    int frame = 0;
    SDL_Event event{};
};

// A replay as written in a script file, one command a line ('#' starts a
// comment):
//   level 3                  start at list position 3 (default 1)
//   frames 900               run this many frames (default: last event + 1)
//   frame 12 press d         key press / release (a, d, s, w, escape, ...)
//   frame 40 release d
//   frame 41 mouse 600 300   mouse motion to window pixel (600, 300)
//   frame 41 button down     left mouse button down / up
struct ReplayScript {
    int startLevel = 1;
    int frames = 0;
    std::vector<ReplayEvent> events;
};

// False with a message naming the line when the text is not a script.
bool parseReplayScript(std::istream &in, ReplayScript &script, std::string &error);
bool loadReplayScript(const std::filesystem::path &file, ReplayScript &script, std::string &error);

SDL_Event keyEvent(SDLKey key, bool down);
SDL_Event mouseMotionEvent(int x, int y);
SDL_Event mouseButtonEvent(Uint8 button, bool down);
SDL_Event joyAxisEvent(Uint8 axis, Sint16 value);
SDL_Event joyHatEvent(Uint8 hat, Uint8 value);
SDL_Event joyButtonEvent(Uint8 button, bool down);
// Puts the event on SDL's queue for the next frame to read.
void pushEvent(SDL_Event event);

// What a replay left behind.
struct ReplayState {
    int levelIndex = 0;
    bool running = true;
    Vec2 playerPosition;
    int collectablesLeft = 0;
    int bloodCells = 0;
    std::uint64_t gridHash = 0;
};

// The state of the session's game and of the world now.
ReplayState captureState(const GameSession &session);

// Starts the program on a content directory with a driven clock and a seed,
// no level loaded, and stops it when destroyed. One at a time.
class ReplayHarness {
public:
    explicit ReplayHarness(const std::filesystem::path &contentDirectory, unsigned int seed = 1234);
    ~ReplayHarness();
    ReplayHarness(const ReplayHarness &) = delete;
    ReplayHarness &operator=(const ReplayHarness &) = delete;

    // Start-up and the level list; false when the game could not start.
    bool started() const { return session_ != nullptr; }
    // Loads the level at this list position; false when it cannot.
    bool startAt(int position) { return started() && session_->startAt(position); }
    // One pass of the program's loop on its driven clock. False when a
    // level could not be loaded.
    bool runFrame();
    // Runs a whole script from its start level. With stopOnNextLevel the run
    // ends at the first frame that leaves the start level. Returns the
    // number of frames run.
    int play(const ReplayScript &script, bool stopOnNextLevel);

    ReplayState state() const;
    GameSession &session() { return *session_; }

private:
    GameSession *session_ = nullptr;  // the running program's
};
