#include "core/game_session.h"

#include "core/joystick_device.h"

#include <cstdio>
#include <memory>

GameSession::GameSession()
{
    game.setInput(&input);
}

bool GameSession::loadLevels(const std::string &fileName)
{
    if (!loadLevelList(levelList, fileName) || !levelList.hasPlayableLevel()) {
        std::fprintf(stderr, "%s: no level to play\n", fileName.c_str());
        return false;
    }
    return true;
}

void GameSession::keepProgress(const std::filesystem::path &file)
{
    progress_ = std::make_unique<ProgressFile>(file);
    progress_->restore(levelList);
}

void GameSession::addJoystick(int index)
{
    input.addDevice(index, std::make_unique<JoystickDevice>(&game.player));
}

bool GameSession::start()
{
    if (progress_ == nullptr) {
        return startAt(1);
    }
    if (!startAt(firstUnfinishedPosition(levelList))) {
        return false;
    }
    // Kept progress that leads to the outro is spent.
    if (game.outro) {
        progress_->clear();
    }
    return true;
}

bool GameSession::loadNextLevel()
{
    return game.loadLevel(levelList.nextPlayable());
}

bool GameSession::startAt(int position)
{
    // nextPlayable() moves on from the current entry, so stand just before it.
    levelList.current = position - 1;
    return loadNextLevel();
}

bool GameSession::restartLevel()
{
    game.restartRequested = false;
    return game.loadLevel(levelList.fileNameAt(levelList.current));
}

bool GameSession::runFrame()
{
    game.update();
    // A quit in the frame that entered the door ends the program: loading
    // the next level would set the game running again.
    if (!game.running) {
        return true;
    }
    if (game.levelFinished) {
        return finishLevel();
    }
    if (game.restartRequested) {
        return restartLevel();
    }
    return true;
}

bool GameSession::finishLevel()
{
    const int finished = levelList.current;
    if (!loadNextLevel()) {
        return false;
    }
    keepOrClearProgress(levelList.current <= finished);
    return true;
}

void GameSession::keepOrClearProgress(bool wrapped)
{
    if (progress_ == nullptr) {
        return;
    }
    if (wrapped || game.outro) {
        progress_->clear();
    } else {
        progress_->save(levelList);
    }
}
