// Level loading and the reset between levels.
#include "core/collectables.h"
#include "core/game.h"
#include "formats/level_description.h"
#include "gfx/door_sprite.h"
#include "gfx/scene_render.h"
#include "gfx/video.h"
#include "platform/clock.h"
#include "world/blood_particles.h"
#include "world/cell_grid.h"
#include "world/world_state.h"
#include "world/zombie.h"

#include <cstdio>

namespace {

// Hands the zombie spawn points and collectables of the level picture to
// their lists while the grid is built.
class LevelObjectsBuilder : public LevelPictureListener {
public:
    void zombieSpawn(CellGrid &grid, int x, int y) override { spawnZombie(grid, x, y, 1.0f); }
    void collectable(int x, int y) override { world.collectables.push_back(Vec2(x, y)); }
};

bool fileMissing(const std::string &what, const std::string &fileName, const std::string &levelFile)
{
    std::fprintf(stderr, "%s: cannot load %s \"%s\"\n", levelFile.c_str(), what.c_str(), fileName.c_str());
    return false;
}

}  // namespace

bool Game::loadLevel(const std::string &fileName)
{
    reset();
    LevelDescription description;
    // Levels that leave these out keep the ground colour in force and pan at
    // the game's usual speed.
    description.GroundColor = groundColor;
    description.CameraPanSpeed = 0.25f;
    if (!loadLevelDescription(description, fileName)) {
        std::fprintf(stderr, "%s: cannot read the level file\n", fileName.c_str());
        return false;
    }

    world.clearLevel();
    CellGrid &grid = world.grid;
    LevelObjectsBuilder builder;
    if (description.LevelImage.empty()) {
        return fileMissing("level picture", description.LevelImage, fileName);
    }
    // A picture that is there but cannot be read has been reported, with
    // the reason, by the grid: one line is enough.
    if (!grid.buildFromImage(description.LevelImage, &builder)) {
        return false;
    }

    video.background.reset();
    video.background = loadScreenPicture(description.BackgroundImage);
    if (video.background == nullptr) {
        return fileMissing("background picture", description.BackgroundImage, fileName);
    }
    groundColor = description.GroundColor;

    // The start marker survives levels whose picture has none.
    if (world.playerStart.x > 0 && world.playerStart.y > 0) {
        player.setPosition(Vec2(world.playerStart.x, world.playerStart.y));
    }
    if (doorSprite != nullptr) {
        doorSprite->setTopLeft(world.doorRect.x, world.doorRect.y);
    }
    messages.swap(description.messages);
    if (description.CameraPan) {
        cameraPanning = true;
        panSpeed = description.CameraPanSpeed;
        cameraPos = Vec2(description.CameraPanX, description.CameraPanY);
    }
    if (description.BloodSucker) {
        bloodSucker = true;
    }
    if (description.Outro) {
        outro = true;
    }
    return true;
}

void Game::reset()
{
    // A level (re)started while paused starts in play.
    setPaused(false);
    restartRequested = false;
    fpsTick = wallclock::now();
    running = true;
    leftButtonHeld = false;
    featherFlag = true;
    doorOpen = false;
    lastFrameTick = wallclock::now();
    levelFinished = false;
    if (doorSprite != nullptr) {
        doorSprite->play("door_closed");
    }
    player.resetForLevel();
    messages.clear();
    cameraPanning = false;
    bloodSucker = false;
    outroStart = gameclock::now();
    outroBurstDone = false;
    outro = false;
}
