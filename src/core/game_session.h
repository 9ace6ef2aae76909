// GameSession: one run of the game over the level list: the game, the list
// walk, the input devices and the kept progress, shared by the program loop
// and the tests.
#pragma once

#include "core/game.h"
#include "core/input_manager.h"
#include "formats/level_list.h"
#include "progress/progress_file.h"

#include <memory>
#include <string>

class GameSession {
public:
    GameSession();
    GameSession(const GameSession &) = delete;
    GameSession &operator=(const GameSession &) = delete;

    // Reads the level list. False, with a line on standard error, when it
    // cannot be read or names no level.
    bool loadLevels(const std::string &fileName = kLevelListFile);
    // Keeps the progress in this file from now on: the list's completed
    // flags become the file's, and finishing a level writes them.
    void keepProgress(const std::filesystem::path &file);
    // Registers a joystick device steering the player for joystick `index`.
    void addJoystick(int index);
    // Loads the first level to play: the first one not finished when the
    // progress is kept, else position 1.
    bool start();
    // Loads the next playable level of the list; false when it cannot be
    // loaded (the reason is on standard error).
    bool loadNextLevel();
    // Starts play at the given list position as if the levels before it had
    // been finished.
    bool startAt(int position);
    // Loads the current level again, as entering it from the previous one.
    bool restartLevel();
    // One turn of the loop: a frame when due, then the next level when this
    // one is finished, or the same one again when a restart was asked for.
    // False when a level cannot be loaded.
    bool runFrame();
    bool running() const { return game.running; }
    // How often the kept progress has been written or cleared (0 when not
    // kept).
    unsigned int progressChanges() const { return progress_ != nullptr ? progress_->changes() : 0; }

    Game game;
    LevelList levelList;
    InputManager input;

private:
    // After a level is finished: the next one, and the progress kept.
    bool finishLevel();
    // Forgets the progress once play reaches the outro or the list's end.
    void keepOrClearProgress(bool wrapped);

    std::unique_ptr<ProgressFile> progress_;
};
