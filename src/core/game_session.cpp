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

void GameSession::addJoystick(int index)
{
    input.addDevice(index, std::make_unique<JoystickDevice>(&game.player));
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

bool GameSession::runFrame()
{
    game.update();
    // A quit in the frame that entered the door ends the program: loading
    // the next level would set the game running again.
    if (game.levelFinished && game.running) {
        return loadNextLevel();
    }
    return true;
}
