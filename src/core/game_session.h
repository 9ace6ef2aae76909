// GameSession: one run of the game over the level list: the game, the list
// walk and the input devices, shared by the program loop and the tests.
#pragma once

#include "core/game.h"
#include "core/input_manager.h"
#include "core/level_list.h"

#include <string>

class GameSession {
public:
    GameSession();
    GameSession(const GameSession &) = delete;
    GameSession &operator=(const GameSession &) = delete;

    // Reads the level list. False, with a line on standard error, when it
    // cannot be read or names no level.
    bool loadLevels(const std::string &fileName = kLevelListFile);
    // Registers a joystick device steering the player for joystick `index`.
    void addJoystick(int index);
    // Loads the next playable level of the list; false when it cannot be
    // loaded (the reason is on standard error).
    bool loadNextLevel();
    // Starts play at the given list position as if the levels before it had
    // been finished.
    bool startAt(int position);
    // One turn of the loop: a frame when due, then the next level when this
    // one is finished. False when the next level cannot be loaded.
    bool runFrame();
    bool running() const { return game.running; }

    Game game;
    LevelList levelList;
    InputManager input;
};
